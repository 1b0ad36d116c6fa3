// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The baseline of the start-up benchmarks (./dev bench, ./dev web-bench):
// a bare window of the same size as the exercise window, holding the same
// 35 plain Qt controls at the same places, with the same captions and no
// logic: what Qt alone costs for that window.

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>
#include <QString>
#include <QTextEdit>
#include <QWidget>

#include <array>
#include <cstdint>

namespace baseline {

// The controls: the game's 35, by kind, caption and place (twips).
enum class Kind : std::uint8_t { Button, TextBox, Label, Option };

struct Control {
    Kind kind;
    const char *caption;
    int left, top, width, height;
};

const std::array<Control, 35> kControls{{
    {Kind::Button, "Neue Zahl", 120, 2280, 1215, 495},
    {Kind::Button, "OK", 4440, 2280, 1215, 495},
    {Kind::Button, "Löschen", 4440, 1680, 1215, 495},
    {Kind::Button, "M", 360, 3000, 615, 615},
    {Kind::Button, "D", 1080, 3000, 615, 615},
    {Kind::Button, "C", 1800, 3000, 615, 615},
    {Kind::Button, "L", 2520, 3000, 615, 615},
    {Kind::Button, "X", 3240, 3000, 615, 615},
    {Kind::Button, "V", 3960, 3000, 615, 615},
    {Kind::Button, "I", 4680, 3000, 615, 615},
    {Kind::TextBox, "RÖMISCHE ZAHLEN", 720, 0, 4335, 615},
    {Kind::Button, "Ende", 3240, 6120, 2175, 615},
    {Kind::TextBox, "", 120, 975, 1215, 360},
    {Kind::TextBox, "", 1680, 960, 2055, 375},
    {Kind::TextBox, " 50", 2040, 2160, 1695, 675},
    {Kind::Label, "Arabisch:", 240, 720, 1215, 255},
    {Kind::Label, "Römisch:", 1800, 720, 2055, 255},
    {Kind::TextBox, "", 120, 1680, 1215, 375},
    {Kind::TextBox, "", 3840, 960, 1935, 375},
    {Kind::Label, "Lösung", 4080, 720, 1575, 255},
    {Kind::Label, "PUNKTE:", 2040, 1680, 1695, 495},
    {Kind::Button, "1", 360, 3960, 615, 615},
    {Kind::Button, "2", 1080, 3960, 615, 615},
    {Kind::Button, "3", 1800, 3960, 615, 615},
    {Kind::Button, "4", 360, 4680, 615, 615},
    {Kind::Button, "5", 1080, 4680, 615, 615},
    {Kind::Button, "6", 1800, 4680, 615, 615},
    {Kind::Button, "7", 360, 5400, 615, 615},
    {Kind::Button, "8", 1080, 5400, 615, 615},
    {Kind::Button, "9", 1800, 5400, 615, 615},
    {Kind::Button, "0", 360, 6120, 2055, 615},
    {Kind::Option, "Arabisch  ->  Römisch", 3360, 4680, 2535, 195},
    {Kind::Option, "Römisch  ->  Arabisch", 3360, 4920, 2055, 195},
    {Kind::Button, "    VERLOREN !!!", 240, 3600, 5535, 975},
    {Kind::Label, "PROGRAMM - ART:", 2520, 4200, 3015, 495},
}};

inline QRect Pixels(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

// Fills the bare window with its controls and gives it its size and place.
inline void Build(QWidget &window)
{
    window.setWindowTitle(QStringLiteral("Mathematik"));
    window.setGeometry(Pixels(4770, 1050, 5790, 6795));
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
        // The lost button is hidden until a game is lost, in the game as
        // here, so both first paints draw the same controls.
        if (caption == QLatin1String("    VERLOREN !!!"))
            control->hide();
    }
}

} // namespace baseline
