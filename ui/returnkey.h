// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QKeySequence>
#include <QList>

class QWidget;

// The keys that answer: Return, and Enter on the main block and the keypad.
QList<QKeySequence> ReturnKeys();

// Presses the push button of the window that has the focus, if the learner
// could press it (shown and enabled), as Return does on Windows. Returns
// whether a button was pressed.
bool PressFocusedButton(QWidget *window);

// Return and Enter press the window's focused push button.
void PressFocusedButtonOnReturn(QWidget *window);
