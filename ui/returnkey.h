// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

class QWidget;

// Presses the push button of the window that has the focus, if the learner
// could press it (shown and enabled), as Return does on Windows. Returns
// whether a button was pressed.
bool PressFocusedButton(QWidget *window);

// Return, and Enter on the main block and the keypad, run `answer` while the
// window is active. One shortcut for all three keys: two shortcuts of one
// window on the same key would be ambiguous to Qt, and neither would fire.
void OnReturn(QWidget *window, std::function<void()> answer);
