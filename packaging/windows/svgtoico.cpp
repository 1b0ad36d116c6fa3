// Draws the program's SVG icon into a Windows icon file, for the executable's
// resources: one PNG image per size, the form Windows reads since Vista.
//
// usage: svgtoico ICON.svg ICON.ico

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QDataStream>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <cstdio>

namespace {

// The sizes Windows shows an application's icon at, at 100 % to 200 %.
const int kSizes[] = {16, 20, 24, 32, 40, 48, 64, 256};

QByteArray Png(QSvgRenderer &renderer, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
    return png;
}

// The icon file: a directory of the images, then the images.
QByteArray IconFile(const QList<QPair<int, QByteArray>> &images)
{
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = 6 + 16 * images.size();
    for (const auto &[size, png] : images) {
        const quint8 side = size >= 256 ? 0 : quint8(size); // 0 stands for 256
        out << side << side << quint8(0) << quint8(0) // width, height, no palette
            << quint16(1) << quint16(32)              // planes, bits per pixel
            << quint32(png.size()) << offset;
        offset += png.size();
    }
    for (const auto &image : images)
        out.writeRawData(image.second.constData(), int(image.second.size()));
    return file;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fputs("usage: svgtoico ICON.svg ICON.ico\n", stderr);
        return 2;
    }
    QSvgRenderer renderer(arguments.at(1));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "svgtoico: cannot read %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    QList<QPair<int, QByteArray>> images;
    for (const int size : kSizes)
        images.append({size, Png(renderer, size)});
    QSaveFile ico(arguments.at(2));
    if (!ico.open(QIODevice::WriteOnly) || ico.write(IconFile(images)) < 0 || !ico.commit()) {
        std::fprintf(stderr, "svgtoico: cannot write %s\n", qPrintable(arguments.at(2)));
        return 1;
    }
    return 0;
}
