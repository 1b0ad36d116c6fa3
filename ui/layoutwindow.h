// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include <cstdint>

// A top-level window of the program. Screen readers see the main window as
// a frame and a message window as a dialog, by the window's kind.
class LayoutWindow : public QWidget {
    Q_OBJECT

public:
    enum class Kind : std::uint8_t { Main, Message };

    explicit LayoutWindow(Kind kind);

    Kind kind() const { return kind_; }

private:
    Kind kind_;
};
