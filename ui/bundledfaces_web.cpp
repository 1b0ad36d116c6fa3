// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bundledfaces.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>

// RZ Sans: Liberation Sans (the widths of Arial), cut down to the
// characters the program shows and renamed as its licence asks of a
// cut-down copy; packed into the program as a resource.
const QStringList &BundledFaces()
{
    static const QStringList faces = [] {
        QStringList families;
        for (const char *style : {"Regular", "Bold", "BoldItalic"}) {
            const int id = QFontDatabase::addApplicationFont(
                QStringLiteral(":/fonts/RZSans-%1.ttf").arg(QLatin1String(style)));
            for (const QString &family : QFontDatabase::applicationFontFamilies(id))
                if (!families.contains(family))
                    families << family;
        }
        return families;
    }();
    return faces;
}

void UseBundledFaceByDefault()
{
    if (!BundledFaces().isEmpty())
        QGuiApplication::setFont(QFont(BundledFaces().constFirst()));
}
