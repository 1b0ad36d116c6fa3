// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The fonts of the layout: the faces it names (MS Sans Serif, Tahoma) and
// what stands in for them where they are not installed.

#include <QFont>
#include <QString>
#include <QStringList>

// A font of the layout, asked for by face name (MS Sans Serif, Tahoma). The
// face is used where it is installed (MS Sans Serif as Microsoft Sans Serif,
// its scalable form on Windows). Elsewhere the first installed face of the
// classic sans widths stands in for it, so every caption keeps its width;
// where there is none, DejaVu Sans does, and the program says once on the
// standard error which package makes the layout fit.
QFont LayoutFont(const QString &face, qreal pointSize, bool bold = false, bool italic = false);

// The face LayoutFont draws the given face in on this machine: the face in
// its scalable form where it is installed, else the first installed face of
// the classic widths, else DejaVu Sans.
QString LayoutFace(const QString &face);

// The scalable face Windows itself draws a face of the layout in.
QString ScalableFace(const QString &face);

// Faces of the classic sans widths (Arial, Helvetica), in the order they
// are tried as stand-ins.
const QStringList &ClassicWidthFaces();

// The windows' standard font: MS Sans Serif, 8.25 points.
QFont StandardFont();
