#include "identity.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

void IdentifyProgram()
{
    QCoreApplication::setApplicationName(QStringLiteral(RZ_EXECUTABLE_NAME));
    QCoreApplication::setApplicationVersion(QStringLiteral(RZ_VERSION_TEXT));
    // Lets a Wayland desktop match the windows to the installed desktop
    // entry, and so to the menu entry and the icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(RZ_APP_ID));
    // Every window without an icon of its own shows this one.
    QApplication::setWindowIcon(ProgramIcon());
}

QIcon ProgramIcon()
{
    QSvgRenderer renderer(QStringLiteral(":/roemische-zahlen.svg"));
    QIcon icon;
    if (!renderer.isValid())
        return icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}
