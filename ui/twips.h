#pragma once

#include <QFont>
#include <QRect>

// Layout unit of the windows: 15 twips are one logical pixel.
constexpr int TwipsToPixels(int twips) { return twips / 15; }

inline QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

// The classic faces the layout asks for, by name. Where they are not
// installed, Qt substitutes Liberation Sans, which is metric-compatible with
// them, and falls back on DejaVu Sans after that.
QFont LayoutFont(const QString &face, qreal pointSize, bool bold = false, bool italic = false);

// The windows' standard font: MS Sans Serif, 8.25 points.
QFont StandardFont();
