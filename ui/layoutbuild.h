// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Building a window from its static layout: the window and its controls by
// their layout names, places and sizes in twips.

#include <QString>
#include <Qt>

class QLabel;
class QPushButton;
class QWidget;

// A top-level window of fixed client area at its place on the screen, in
// the standard font, with a title bar, a system menu, a close button and,
// if asked for, a minimise button.
void ShapeWindow(QWidget *window, const char *name, const QString &title,
                 int left, int top, int width, int height, bool minimisable);

// A control of the given kind, named and placed.
template <class Control>
Control *Place(QWidget *parent, const char *name, int left, int top, int width, int height);

// A push button with its caption; it takes the focus by Tab and by click.
QPushButton *PlaceButton(QWidget *parent, const char *name, const QString &caption,
                         int left, int top, int width, int height);

// A label with its caption as plain text, aligned to the top.
QLabel *PlaceLabel(QWidget *parent, const char *name, const QString &caption,
                   int left, int top, int width, int height, Qt::Alignment alignment);

// ---- implementation of the template

#include "twips.h"

#include <QWidget>

template <class Control>
Control *Place(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    auto *control = new Control(parent);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(TwipsRect(left, top, width, height));
    return control;
}
