// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "layoutfonts.h"

#include "bundledfaces.h"

#include <QFontDatabase>
#include <QHash>
#include <QSet>
#include <QStringList>

#include <cstdio>

namespace {

// The stand-in of last resort: wider than the layout's faces, so some
// captions no longer fit, but installed almost everywhere on Linux.
const char *const kWideFallback = "DejaVu Sans";

// Tells once, on the standard error, that the layout's texts no longer fit
// and what makes them fit.
void WarnNoClassicWidths()
{
    static bool told = false;
    if (told)
        return;
    told = true;
    std::fputs("roemische-zahlen: Keine Schrift mit den Maßen von Arial oder Helvetica gefunden "
               "(etwa Liberation Sans); einige Beschriftungen werden abgeschnitten. "
               "Abhilfe: das Paket fonts-liberation2 installieren.\n",
               stderr);
}

// Whether a face is installed. Qt names a family that more than one
// foundry makes with the foundry in brackets ("Nimbus Sans [urw]"); the
// face is installed under any of them. Read once.
bool IsInstalled(const QString &face)
{
    static const QSet<QString> installed = [] {
        BundledFaces(); // known to Qt before its faces are listed
        QSet<QString> names;
        for (const QString &family : QFontDatabase::families()) {
            const qsizetype foundry = family.indexOf(QLatin1String(" ["));
            names.insert((foundry < 0 ? family : family.left(foundry)).toCaseFolded());
        }
        return names;
    }();
    return installed.contains(face.toCaseFolded());
}

} // namespace

// Settled once per face: left to Qt, a missing face would be searched for
// through the font configuration again for every size and style.
QString LayoutFace(const QString &face)
{
    static QHash<QString, QString> settled;
    const auto known = settled.constFind(face);
    if (known != settled.cend())
        return *known;
    QString chosen = ScalableFace(face);
    if (!IsInstalled(chosen)) {
        chosen.clear();
        for (const QString &candidate : ClassicWidthFaces()) {
            if (IsInstalled(candidate)) {
                chosen = candidate;
                break;
            }
        }
        if (chosen.isEmpty()) {
            WarnNoClassicWidths();
            chosen = QString::fromLatin1(kWideFallback);
        }
    }
    settled.insert(face, chosen);
    return chosen;
}

const QStringList &ClassicWidthFaces()
{
    // Liberation Sans and Arimo are drawn to Arial's widths, Arial to
    // Helvetica's; Nimbus Sans (URW), TeX Gyre Heros and FreeSans to
    // Helvetica's as well. The faces the program brings along come last.
    static const QStringList faces = QStringList{
        QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
        QStringLiteral("Arial"), QStringLiteral("Helvetica"),
        QStringLiteral("Nimbus Sans"), QStringLiteral("Nimbus Sans L"),
        QStringLiteral("TeX Gyre Heros"), QStringLiteral("FreeSans")} + BundledFaces();
    return faces;
}

QString ScalableFace(const QString &face)
{
    // MS Sans Serif is a bitmap face of fixed sizes, which Windows draws in
    // Microsoft Sans Serif wherever a size or a screen needs scaling.
    if (face.compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Microsoft Sans Serif");
    return face;
}

QFont LayoutFont(const QString &face, qreal pointSize, bool bold, bool italic)
{
    QFont font(LayoutFace(face));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    // Every text of the windows is in the Latin script, which the face
    // covers: no per-character search through other fonts, which would cost
    // a font-configuration lookup per face at start-up.
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

QFont StandardFont()
{
    return LayoutFont(QStringLiteral("MS Sans Serif"), 8.25);
}
