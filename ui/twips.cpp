// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "twips.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

namespace {

// Installed faces that stand in for a classic face the layout asks for:
// Liberation Sans is metric-compatible with it, DejaVu Sans is Debian's
// fallback.
const QStringList &Substitutes()
{
    static const QStringList substitutes{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    return substitutes;
}

// The face itself where it is installed, else its first installed
// substitute. Settled once per face: left to Qt, a missing face would be
// searched for through the font configuration again for every size and style.
QString InstalledFace(const QString &face)
{
    static QHash<QString, QString> settled;
    const auto known = settled.constFind(face);
    if (known != settled.cend())
        return *known;
    const QStringList installed = QFontDatabase::families();
    QString chosen = face;
    if (!installed.contains(face, Qt::CaseInsensitive)) {
        for (const QString &substitute : Substitutes()) {
            if (installed.contains(substitute, Qt::CaseInsensitive)) {
                chosen = substitute;
                break;
            }
        }
    }
    settled.insert(face, chosen);
    return chosen;
}

} // namespace

QFont LayoutFont(const QString &face, qreal pointSize, bool bold, bool italic)
{
    QFont font(InstalledFace(face));
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
