// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Whether a font of the layout keeps the widths the layout was drawn for:
// Qt draws it in the face the layout settled on (no substitution of its
// own), and that face is the one asked for, its scalable Windows form, or
// a face of the classic sans widths.

#include "layoutfonts.h"

#include <QFontInfo>
#include <QFontMetrics>

inline bool KeepsLayoutWidths(const QFont &font, const QString &asked)
{
    // Without the foundry Qt names where several make the face ("Nimbus Sans [urw]").
    const QString drawn = QFontInfo(font).family().section(QLatin1String(" ["), 0, 0);
    if (drawn != LayoutFace(asked))
        return false;
    return drawn == asked || drawn == ScalableFace(asked) || ClassicWidthFaces().contains(drawn);
}

// Whether a text drawn at the top of a room of the given height keeps all
// its ink inside: nothing above the top (an umlaut's dots), nothing below
// the bottom. Faces of the same widths differ in their line height (Nimbus
// Sans's line is taller than Liberation Sans's); what is cut at the bottom
// of a box is ink, not the empty rest of the line.
inline bool InkFitsTop(const QFontMetrics &fm, const QString &text, int height)
{
    const QRect ink = fm.tightBoundingRect(text);
    return fm.ascent() + ink.top() >= 0 && fm.ascent() + ink.bottom() + 1 <= height;
}

// Whether a text centred upright in a control of the given height keeps all
// its ink inside it.
inline bool InkFitsCentred(const QFontMetrics &fm, const QString &text, int height)
{
    const QRect ink = fm.tightBoundingRect(text);
    const qreal baseline = (height - fm.height()) / 2.0 + fm.ascent();
    return baseline + ink.top() >= 0 && baseline + ink.bottom() + 1 <= height;
}
