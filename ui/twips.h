// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QRect>

// Layout unit of the windows: 15 twips are one logical pixel.
constexpr int TwipsToPixels(int twips) { return twips / 15; }

inline QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

// A font of the layout, asked for by face name (MS Sans Serif, Tahoma). Where
// the face is not installed, Liberation Sans, metric-compatible with both,
// stands in for it, and DejaVu Sans after that.
QFont LayoutFont(const QString &face, qreal pointSize, bool bold = false, bool italic = false);

// The windows' standard font: MS Sans Serif, 8.25 points.
QFont StandardFont();
