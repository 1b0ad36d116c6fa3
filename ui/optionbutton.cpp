// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optionbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace {

// The square the circle is drawn in: the style's own place for it where
// that lies inside the button, else the largest square inside the button
// around the same centre, as near to it as whole pixels allow.
QRect WholeCircle(const QRect &stylePlace, const QRect &button)
{
    if (button.contains(stylePlace))
        return stylePlace;
    const int side = std::min({stylePlace.width(), stylePlace.height(), button.width(), button.height()});
    // The same centre, rounded down to whole pixels as the style rounds it.
    QRect square(stylePlace.x() + ((stylePlace.width() - side) / 2),
                 stylePlace.y() + ((stylePlace.height() - side) / 2), side, side);
    // Moved inside the button where the centre itself lies too near an edge.
    square.moveLeft(std::clamp(square.left(), button.left(), button.right() + 1 - side));
    square.moveTop(std::clamp(square.top(), button.top(), button.bottom() + 1 - side));
    return square;
}

} // namespace

OptionButton::OptionButton(QWidget *parent) : QRadioButton(parent)
{
    connect(this, &QAbstractButton::toggled, this, [this](bool checked) {
        if (checked)
            Q_EMIT Click();
    });
}

void OptionButton::paintEvent(QPaintEvent * /*event*/)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect stylePlace = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    const QRect circle = WholeCircle(stylePlace, rect());
    if (circle == stylePlace) {
        painter.drawControl(QStyle::CE_RadioButton, option);
        return;
    }
    // The style draws the caption and the focus frame as everywhere else,
    // but not its circle, which would be cut: that is drawn in the square
    // that fits.
    painter.setClipRegion(QRegion(rect()).subtracted(stylePlace));
    painter.drawControl(QStyle::CE_RadioButton, option);
    painter.setClipping(false);
    QStyleOptionButton indicator = option;
    indicator.rect = circle;
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, indicator);
}
