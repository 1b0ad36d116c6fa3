// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "nowindow.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <utility>
#include <vector>

namespace {

// A message of Qt's, held back with its context.
struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    QByteArray function;
    QByteArray category;
    int line;
    QString text;
};

// Where the platform came from: the command line (-platform), the
// environment (QT_QPA_PLATFORM), or nowhere, when Qt chooses it.
enum class Asked : std::uint8_t { Nowhere, CommandLine, Environment };

// What the guard knows while the application object is made. Qt's message
// handler is a plain function: it finds it here.
struct Watch {
    QtMessageHandler previous = nullptr;
    Asked asked = Asked::Nowhere;
    // The platforms asked for, by name, in the order Qt tries them.
    QStringList platforms;
    // Qt may give a message from another thread.
    std::mutex mutex;
    bool holding = false;
    std::vector<HeldMessage> held;
};

Watch watch;

// The names in Qt's form of a platform setting: names separated by ";",
// each with its arguments after a ":" ("offscreen:fontengine=freetype").
QStringList PlatformNames(const QString &setting)
{
    QStringList names;
    for (const QString &entry : setting.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString name = entry.section(QLatin1Char(':'), 0, 0).toLower();
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}

// What the display variables say, for the line.
QString Displays()
{
    QStringList set;
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            set.append(QStringLiteral("%1 ist „%2“").arg(QLatin1String(name), value));
    }
    if (set.isEmpty())
        return QStringLiteral("DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt");
    return set.join(QLatin1String(", "));
}

// The platforms there are, as Qt's message names them; none where it names
// none.
QStringList Available(const QString &fatal)
{
    static const QRegularExpression list(QStringLiteral("Available platform plugins are: ([^\\n]*)\\."));
    const QRegularExpressionMatch match = list.match(fatal);
    if (!match.hasMatch())
        return {};
    return match.captured(1).split(QLatin1String(", "), Qt::SkipEmptyParts);
}

// The German line: what is missing, what helps, the platforms there are.
// `fatal` is Qt's own message, where Qt gave one.
QString Explanation(const Watch &w, const QString &fatal)
{
    const QStringList available = Available(fatal);
    const QString desktop = QStringLiteral(" Das Spiel öffnet sein Fenster nur in einer grafischen Sitzung "
                                           "(X11 oder Wayland); bitte dort starten.");
    QString missing;
    QString help = desktop;
    if (w.asked == Asked::Nowhere) {
        missing = qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                      ? QStringLiteral("Keine grafische Oberfläche (%1).").arg(Displays())
                      : QStringLiteral("Die grafische Oberfläche ist nicht erreichbar (%1).").arg(Displays());
    } else {
        const QString platforms = QStringLiteral("%1 „%2“ aus %3")
                                      .arg(w.platforms.size() == 1 ? QStringLiteral("Die Plattform")
                                                                   : QStringLiteral("Die Plattformen"),
                                           w.platforms.join(QStringLiteral("“, „")),
                                           w.asked == Asked::CommandLine ? QStringLiteral("-platform")
                                                                         : QStringLiteral("QT_QPA_PLATFORM"));
        bool exists = available.isEmpty();
        bool onDisplay = false;
        for (const QString &name : w.platforms) {
            exists = exists || available.contains(name);
            onDisplay = onDisplay || name == QLatin1String("xcb") || name.startsWith(QLatin1String("wayland"));
        }
        if (!exists) {
            missing = platforms + QStringLiteral(" gibt es nicht.");
            help.clear();
        } else {
            missing = platforms + QStringLiteral(" ließ sich nicht starten")
                      + (onDisplay ? QStringLiteral(" (%1).").arg(Displays()) : QStringLiteral("."));
        }
    }
    QString there;
    if (!available.isEmpty())
        there = QStringLiteral(" Vorhandene Plattformen (-platform): %1.").arg(available.join(QLatin1String(", ")));
    else if (fatal.contains(QLatin1String("platform plugin")))
        there = QStringLiteral(" Qt findet keine Plattform: das Programm ist unvollständig installiert.");
    return QStringLiteral("roemische-zahlen: ") + missing + help + there + QLatin1Char('\n');
}

void Tell(const QString &line)
{
    std::fputs(line.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

void Hold(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    // A fatal error once the application object is there (its own checks,
    // such as the one against running setuid, come before): the platform's.
    // Qt could not make one, or the one it made has not started.
    if (type == QtFatalMsg && QCoreApplication::instance()) {
        Tell(Explanation(watch, text));
        // At once, as the abort would have ended it: the application object
        // is half made, and nothing of it may run again.
        std::_Exit(kNoWindowStatus);
    }
    {
        const std::lock_guard<std::mutex> lock(watch.mutex);
        if (watch.holding && type != QtFatalMsg) {
            watch.held.push_back({type, QByteArray(context.file), QByteArray(context.function),
                                  QByteArray(context.category), context.line, text});
            return;
        }
    }
    watch.previous(type, context, text);
}

// Qt's messages go where they went before; returns those held back.
std::vector<HeldMessage> EndWatch()
{
    qInstallMessageHandler(watch.previous);
    const std::lock_guard<std::mutex> lock(watch.mutex);
    watch.holding = false;
    return std::move(watch.held);
}

} // namespace

NoWindowGuard::NoWindowGuard(int argc, char **argv)
{
    // As Qt reads it: the last -platform (or --platform) of the command
    // line, else QT_QPA_PLATFORM.
    watch.asked = Asked::Nowhere;
    QString setting;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) {
            setting = QString::fromLocal8Bit(argv[i + 1]);
            watch.asked = Asked::CommandLine;
        }
    }
    if (watch.asked == Asked::Nowhere && !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        setting = qEnvironmentVariable("QT_QPA_PLATFORM");
        watch.asked = Asked::Environment;
    }
    watch.platforms = PlatformNames(setting);
    if (watch.platforms.isEmpty())
        watch.asked = Asked::Nowhere;
    watch.held.clear();
    watch.holding = true;
    watch.previous = qInstallMessageHandler(Hold);
}

bool NoWindowGuard::Started()
{
    const std::vector<HeldMessage> held = EndWatch();
    // A platform that has started without a screen (the framebuffer one
    // where there is no framebuffer) cannot show a window either.
    if (!QGuiApplication::primaryScreen()) {
        Tell(Explanation(watch, QString()));
        return false;
    }
    for (const HeldMessage &message : held) {
        const auto text = [](const QByteArray &bytes) { return bytes.isNull() ? nullptr : bytes.constData(); };
        const QMessageLogContext context(text(message.file), message.line, text(message.function),
                                         text(message.category));
        watch.previous(message.type, context, message.text);
    }
    return true;
}

NoWindowGuard::~NoWindowGuard()
{
    // Where the application object was never made.
    if (watch.holding)
        EndWatch();
}
