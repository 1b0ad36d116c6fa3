// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The baseline of the start-up benchmarks (./dev bench, ./dev web-bench):
// a bare window of the same size as the exercise window, holding the same
// 35 plain Qt controls at the same places, with the same captions and no
// logic: what Qt alone costs for that window. The window and its controls
// are the program's own, written out by the build (checks/facts.cpp).

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>
#include <QString>
#include <QTextEdit>
#include <QWidget>

#include <cstdint>

namespace baseline {

enum class Kind : std::uint8_t { Button, TextBox, Label, Option };

// Places and sizes in twips.
struct Window {
    const char *title;
    int left, top, width, height;
};

struct Control {
    Kind kind;
    const char *caption;
    int left, top, width, height;
    bool shown;
};

#include "baselinecontrols.inc"

inline QRect Pixels(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

// Fills the bare window with its controls and gives it its size and place.
inline void Build(QWidget &window)
{
    window.setWindowTitle(QString::fromUtf8(kWindow.title));
    window.setGeometry(Pixels(kWindow.left, kWindow.top, kWindow.width, kWindow.height));
    for (const Control &c : kControls) {
        const QString caption = QString::fromUtf8(c.caption);
        QWidget *control = nullptr;
        switch (c.kind) {
        case Kind::Button: control = new QPushButton(caption, &window); break;
        case Kind::TextBox: {
            auto *box = new QTextEdit(&window);
            box->setPlainText(caption);
            control = box;
            break;
        }
        case Kind::Label: control = new QLabel(caption, &window); break;
        case Kind::Option: control = new QRadioButton(caption, &window); break;
        }
        control->setGeometry(Pixels(c.left, c.top, c.width, c.height));
        // What the game hides at load (the lost button) is hidden here too,
        // so both first paints draw the same controls.
        if (!c.shown)
            control->hide();
    }
}

} // namespace baseline
