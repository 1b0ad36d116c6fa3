// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The platform's own way of handing a spoken message to screen readers, for
// a Qt that has no announcement event of its own (before 6.8). Announce()
// calls it with every message, beside what it does for AT-SPI.
//
// On Windows the message is raised as a UI Automation notification on the
// window, which NVDA and Narrator speak (Windows 10 1709 and later). The
// functions are looked up at run time; where they are missing (an older
// Windows, Wine) nothing happens. Elsewhere there is nothing to do.

#include <QtGlobal>

class QString;
class QWidget;

#ifdef Q_OS_WIN

void AnnounceOnPlatform(QWidget *window, const QString &text);

// For tests: from now on, look the UI Automation functions up in this
// library (a full path) instead of Windows' uiautomationcore.dll.
void LookUpUiAutomationIn(const QString &library);

#else

inline void AnnounceOnPlatform(QWidget * /*window*/, const QString & /*text*/) {}

#endif
