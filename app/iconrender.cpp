// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Build tool: draws the program's SVG icon
//   --ico ICON.svg ICON.ico   into a Windows icon file, for the executable's
//                             resources: one PNG image per size, the form
//                             Windows reads since Vista;
//   --png ICON.svg DIR [SIZE...]
//                             into DIR/<size>.png, the window icon the
//                             program carries, so that it needs no SVG
//                             renderer at run time; with sizes, those only
//                             (the web page's icons).

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <cstdio>
#include <iterator>

namespace {

// The sizes Windows shows an application's icon at, at 100 % to 200 %.
const int kIcoSizes[] = {16, 20, 24, 32, 40, 48, 64, 256};
// The sizes of the window icon: title bars, task bars, window switchers.
const int kPngSizes[] = {16, 24, 32, 48, 64, 128, 256};

QImage Draw(QSvgRenderer &renderer, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QByteArray Png(QSvgRenderer &renderer, int size)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    Draw(renderer, size).save(&buffer, "PNG");
    return png;
}

// The icon file: a directory of the images, then the images.
QByteArray IconFile(const QList<QPair<int, QByteArray>> &images)
{
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = 6 + (16 * images.size());
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

bool WriteIco(QSvgRenderer &renderer, const QString &path)
{
    QList<QPair<int, QByteArray>> images;
    for (const int size : kIcoSizes)
        images.append({size, Png(renderer, size)});
    QSaveFile ico(path);
    return ico.open(QIODevice::WriteOnly) && ico.write(IconFile(images)) >= 0 && ico.commit();
}

bool WritePngs(QSvgRenderer &renderer, const QString &directory, const QList<int> &sizes)
{
    if (!QDir().mkpath(directory))
        return false;
    for (const int size : sizes) {
        QSaveFile png(QDir(directory).filePath(QStringLiteral("%1.png").arg(size)));
        if (!png.open(QIODevice::WriteOnly) || png.write(Png(renderer, size)) < 0 || !png.commit())
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QString mode = arguments.value(1);
    QList<int> sizes(std::begin(kPngSizes), std::end(kPngSizes));
    if (mode == QLatin1String("--png") && arguments.size() > 4) {
        sizes.clear();
        for (const QString &argument : arguments.mid(4)) {
            bool number = false;
            const int size = argument.toInt(&number);
            if (!number || size < 1 || size > 4096)
                sizes = {0};
            else
                sizes.append(size);
        }
    }
    const bool wellFormed = (mode == QLatin1String("--ico") && arguments.size() == 4)
                            || (mode == QLatin1String("--png") && arguments.size() >= 4 && !sizes.contains(0));
    if (!wellFormed) {
        std::fputs("usage: iconrender --ico ICON.svg ICON.ico | --png ICON.svg DIR [SIZE...]\n", stderr);
        return 2;
    }
    QSvgRenderer renderer(arguments.at(2));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "iconrender: cannot read %s\n", qPrintable(arguments.at(2)));
        return 1;
    }
    const bool written = mode == QLatin1String("--ico") ? WriteIco(renderer, arguments.at(3))
                                                        : WritePngs(renderer, arguments.at(3), sizes);
    if (!written) {
        std::fprintf(stderr, "iconrender: cannot write %s\n", qPrintable(arguments.at(3)));
        return 1;
    }
    return 0;
}
