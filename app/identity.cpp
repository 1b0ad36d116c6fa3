// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "identity.h"

#include <QApplication>
#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <array>
#include <map>

namespace {

// The sizes the icon is drawn in at build time, as :/icon/<size>.png.
constexpr std::array<int, 7> kSizes{16, 24, 32, 48, 64, 128, 256};

// The program's icon, read from its PNG images only when a size is asked
// for: starting the program costs nothing where no icon is shown.
class ProgramIconEngine final : public QIconEngine {
public:
    // The same image in every mode and state: the icon is only ever shown as
    // the windows' icon.
    QPixmap pixmap(const QSize &size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override
    {
        const int side = qMin(size.width(), size.height());
        if (side <= 0)
            return {};
        QPixmap image = Image(Nearest(side));
        if (image.width() != side)
            image = image.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        return image;
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QSize actualSize(const QSize &size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override
    {
        const int side = qMin(size.width(), size.height());
        return {side, side};
    }

    QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override
    {
        QList<QSize> sizes;
        for (const int side : kSizes)
            sizes.append(QSize(side, side));
        return sizes;
    }

    QIconEngine *clone() const override { return new ProgramIconEngine(*this); }
    QString key() const override { return QStringLiteral("ProgramIconEngine"); }

private:
    // The smallest image at least as large as asked for, else the largest.
    static int Nearest(int side)
    {
        for (const int available : kSizes)
            if (available >= side)
                return available;
        return kSizes.back();
    }

    QPixmap Image(int side)
    {
        auto found = images_.find(side);
        if (found == images_.end())
            found = images_.emplace(side, QPixmap(QStringLiteral(":/icon/%1.png").arg(side))).first;
        return found->second;
    }

    std::map<int, QPixmap> images_;
};

} // namespace

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
    return QIcon(new ProgramIconEngine);
}
