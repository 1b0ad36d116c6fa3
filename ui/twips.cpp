#include "twips.h"

#include <QStringList>

namespace {

void InstallSubstitutes()
{
    static const bool installed = [] {
        const QStringList substitutes{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), substitutes);
        QFont::insertSubstitutions(QStringLiteral("Tahoma"), substitutes);
        return true;
    }();
    (void)installed;
}

} // namespace

QFont LayoutFont(const QString &face, qreal pointSize, bool bold, bool italic)
{
    InstallSubstitutes();
    QFont font(face);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFont StandardFont()
{
    return LayoutFont(QStringLiteral("MS Sans Serif"), 8.25);
}
