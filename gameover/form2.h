// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "layoutwindow.h"

class QLabel;
class QPushButton;
class WindowHost;

// The game-over window: "Neues Spiel" or "Ende" after a lost game. It is
// loaded at the first lost game and then only hidden and shown again.
class Form2 : public LayoutWindow {
    Q_OBJECT

public:
    explicit Form2(WindowHost &host);

    void Command1_Click();
    void Command2_Click();

    QLabel *Label1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    WindowHost &host_;
};
