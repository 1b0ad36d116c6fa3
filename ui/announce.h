// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Short messages for the learner's screen reader, spoken without moving the
// focus: the one way the windows tell a screen reader what changed.

#include <QString>

#include <functional>

class QObject;
class QWidget;

// Whether an announcement reaches anyone: a screen reader (assistive
// technology is active) or a test listening. Callers skip composing their
// text when it does not, so the game costs nothing extra without one.
bool AnnouncementsHeard();

// Says the text on behalf of the window.
//
// Qt 6.4 has no announcement event. A screen reader on the AT-SPI bus
// speaks a notification as soon as it is shown, wherever the focus is; so
// each announcement is a notification object, inside a status bar that the
// window's accessible tree holds but no one sees, and showing it makes it
// spoken. The same text goes to the platform's own way of speaking a
// message where it has one (on Windows, a UI Automation notification:
// platformannounce.h). Where Qt offers QAccessibleAnnouncementEvent (6.8 and
// later), this function sends that event instead, which Qt passes on to
// every platform's screen readers, and AnnouncementRegion() is always null.
void Announce(QWidget *window, const QString &text);

// The status bar object of the window's announcements once it has made one,
// else null: the window's accessible interface lists it as its last child.
QObject *AnnouncementRegion(const QWidget *window);

// For tests, and for a web page that shows the messages (the program in a
// browser): every announcement is also handed to the listener, and while
// one is set announcements are heard. An empty function removes it.
using AnnouncementListener = std::function<void(QWidget *window, const QString &text)>;
void ListenToAnnouncements(AnnouncementListener listener);
