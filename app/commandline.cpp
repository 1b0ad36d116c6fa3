// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandline.h"

#include "directionreading.h"
#include "rangereading.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QRegularExpression>
#include <QStringList>

#include <cstdio>

namespace {

const QString kProgram = QStringLiteral(RZ_EXECUTABLE_NAME);

constexpr int kUsageError = 2;

// The options QApplication and QGuiApplication take on every platform, and
// the two of X11 (-display, -geometry), the set every Qt program accepts.
// They are only let through here; the application object acts on them.
struct QtOption {
    const char *name;
    bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},      {"platformpluginpath", true}, {"platformtheme", true},
    {"plugin", true},        {"qwindowgeometry", true},    {"qwindowicon", true},
    {"qwindowtitle", true},  {"reverse", false},           {"session", true},
    {"display", true},       {"geometry", true},           {"style", true},
    {"stylesheet", true},    {"widgetcount", false},       {"qmljsdebugger", true},
};

void Print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

QString Usage()
{
    return QStringLiteral("Aufruf: %1 [--von ZAHL] [--bis ZAHL] [--richtung RICHTUNG] [--help | --version]").arg(kProgram);
}

QString Help()
{
    return QStringLiteral(
               "Aufruf: %1 [OPTION]\n"
               "Ein Übungsspiel für römische Zahlen. Ohne --help und --version öffnet es sein Fenster.\n"
               "\n"
               "Optionen:\n"
               "      --von ZAHL           nur Zahlen ab ZAHL fragen (0 bis 3999; sonst ab 0)\n"
               "      --bis ZAHL           nur Zahlen bis ZAHL fragen (0 bis 3999; sonst bis 3999)\n"
               "      --richtung RICHTUNG  jedes Spiel in RICHTUNG beginnen: arabisch-roemisch\n"
               "                           (sonst) oder roemisch-arabisch\n"
               "  -h, --help               diese Hilfe zeigen und beenden\n"
               "  -v, --version            die Version zeigen und beenden\n"
               "\n"
               "Beispiele: „%1 --von 1 --bis 100“ fragt nur die Zahlen von I bis C;\n"
               "„%1 --richtung roemisch-arabisch“ zeigt römische Zahlen\n"
               "und fragt nach den arabischen.\n"
               "\n"
               "Dazu nimmt das Programm die üblichen Optionen von Qt an, etwa -platform,\n"
               "-style und -reverse. Mehr dazu in „man %1“.\n")
        .arg(kProgram);
}

int Refuse(const QString &reason)
{
    Print(stderr, QStringLiteral("%1: %2\n%3; mehr mit „%1 --help“\n").arg(kProgram, reason, Usage()));
    return kUsageError;
}

// The argument as it was typed for an option name the parser did not know.
QString TypedOption(const QStringList &arguments, const QString &name)
{
    for (const QString &argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            break;
        QString bare = argument;
        while (bare.startsWith(QLatin1Char('-')))
            bare.remove(0, 1);
        if (bare.section(QLatin1Char('='), 0, 0) == name)
            return argument;
    }
    return QLatin1Char('-') + name;
}

// Why the parser refused the command line, in German. Qt's parser says it in
// English, and only the names it reports are taken from its message.
QString Reason(const QCommandLineParser &parser, const QStringList &arguments)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty())
        return QStringLiteral("unbekannte Option „%1“").arg(TypedOption(arguments, unknown.first()));
    static const QRegularExpression valueError(QStringLiteral("^(Missing|Unexpected) value after '(.*)'\\.$"));
    const QRegularExpressionMatch match = valueError.match(parser.errorText());
    if (match.hasMatch() && match.captured(1) == QLatin1String("Missing"))
        return QStringLiteral("Option „%1“ braucht einen Wert").arg(match.captured(2));
    if (match.hasMatch())
        return QStringLiteral("Option „%1“ nimmt keinen Wert").arg(match.captured(2));
    return parser.errorText();
}

} // namespace

std::optional<int> AnswerCommandLine(int argc, char **argv, GameSettings &settings)
{
    settings = GameSettings();
    if (argc <= 1)
        return std::nullopt;

    QStringList arguments;
    arguments.reserve(argc);
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));

    QCommandLineParser parser;
    // Qt's options are single-dash words (-platform, -reverse), so every
    // option is read as a long one, with one dash or two.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // The help text is the program's own (Help()), not the parser's.
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption von(QStringLiteral("von"), QString(), QStringLiteral("ZAHL"));
    const QCommandLineOption bis(QStringLiteral("bis"), QString(), QStringLiteral("ZAHL"));
    const QCommandLineOption richtung(QStringLiteral("richtung"), QString(), QStringLiteral("RICHTUNG"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(von);
    parser.addOption(bis);
    parser.addOption(richtung);
    for (const QtOption &option : kQtOptions) {
        QCommandLineOption qtOption(QString::fromLatin1(option.name));
        if (option.takesValue)
            qtOption.setValueName(QStringLiteral("Wert"));
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }

    if (!parser.parse(arguments))
        return Refuse(Reason(parser, arguments));
    const QStringList stray = parser.positionalArguments();
    if (!stray.isEmpty())
        return Refuse(QStringLiteral("unerwartetes Argument „%1“; das Spiel nimmt keine Argumente").arg(stray.first()));
    const auto given = [&parser](const QCommandLineOption &option) -> std::optional<QString> {
        if (!parser.isSet(option))
            return std::nullopt;
        return parser.value(option);
    };
    const RangeReading reading =
        ReadRange(RangeSettings{given(von), given(bis)}, QStringLiteral("--von"), QStringLiteral("--bis"));
    if (!reading.problem.isEmpty())
        return Refuse(reading.problem);
    const DirectionReading direction = ReadDirection(given(richtung), QStringLiteral("--richtung"));
    if (!direction.problem.isEmpty())
        return Refuse(direction.problem);
    if (parser.isSet(help)) {
        Print(stdout, Help());
        return 0;
    }
    if (parser.isSet(version)) {
        Print(stdout, QStringLiteral("Römische Zahlen %1\n").arg(QStringLiteral(RZ_VERSION_TEXT)));
        return 0;
    }
    settings.range = reading.range;
    settings.direction = direction.direction;
    return std::nullopt;
}
