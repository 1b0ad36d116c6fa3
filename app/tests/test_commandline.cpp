// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line of the real executable, started where there is no
// display at all: whatever it answers, it must answer without one. Had it
// made its application object, Qt would end it for want of a display, and
// had it opened its window, it would not end by itself.

#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTest>

class TestCommandLine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void answers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        // Patterns for the whole of each output stream.
        QTest::addColumn<QString>("standardOutput");
        QTest::addColumn<QString>("standardError");

        const QString version = QStringLiteral("^Römische Zahlen 1\\.00\\n$");
        const QString usage = QStringLiteral("\\nAufruf: roemische-zahlen \\[--von ZAHL\\] \\[--bis ZAHL\\] "
                                             "\\[--richtung RICHTUNG\\] \\[--help \\| --version\\]; "
                                             "mehr mit „roemische-zahlen --help“\\n$");
        QTest::newRow("--version") << QStringList{"--version"} << 0 << version << "^$";
        QTest::newRow("--help") << QStringList{"--help"} << 0
                                << "^Aufruf: roemische-zahlen \\[OPTION\\]\\n.*\\n      --von ZAHL .*\\n"
                                   "      --bis ZAHL .*\\n      --richtung RICHTUNG .*\\n.*"
                                   "  -h, --help .*\\n"
                                   "  -v, --version .*man roemische-zahlen.*\\n$"
                                << "^$";
        QTest::newRow("--bogus") << QStringList{"--bogus"} << 2 << "^$"
                                 << "^roemische-zahlen: unbekannte Option „--bogus“" + usage;
        QTest::newRow("stray argument")
            << QStringList{"extra"} << 2 << "^$"
            << "^roemische-zahlen: unerwartetes Argument „extra“; das Spiel nimmt keine Argumente" + usage;
        // Qt's own options are accepted, with their values, in the forms Qt
        // takes them.
        QTest::newRow("Qt's options") << QStringList{"-style=Fusion", "--reverse", "-qwindowtitle", "x", "-v"}
                                      << 0 << version << "^$";
        // A wrong command line is refused even when it asks for the version.
        QTest::newRow("Qt's option without its value")
            << QStringList{"--version", "-platform"} << 2 << "^$"
            << "^roemische-zahlen: Option „-platform“ braucht einen Wert" + usage;
        QTest::newRow("value for an option that takes none")
            << QStringList{"--reverse=1"} << 2 << "^$"
            << "^roemische-zahlen: Option „--reverse“ nimmt keinen Wert" + usage;
        // The range: accepted where it can be used (the version then
        // answers), refused with the value named where it cannot.
        QTest::newRow("range accepted") << QStringList{"--von", "0", "--bis=3999", "--version"} << 0 << version
                                        << "^$";
        QTest::newRow("range not a whole number")
            << QStringList{"--von", "1.5"} << 2 << "^$"
            << "^roemische-zahlen: „1\\.5“ für --von ist keine ganze Zahl" + usage;
        QTest::newRow("range above 3999")
            << QStringList{"--bis", "4000"} << 2 << "^$"
            << "^roemische-zahlen: 4000 für --bis liegt nicht zwischen 0 und 3999" + usage;
        QTest::newRow("range far too large")
            << QStringList{"--von=99999999999999999999"} << 2 << "^$"
            << "^roemische-zahlen: 99999999999999999999 für --von liegt nicht zwischen 0 und 3999" + usage;
        // The direction, in either spelling of "ö" and any case.
        QTest::newRow("direction accepted")
            << QStringList{"--richtung", "Römisch-Arabisch", "--richtung=arabisch-roemisch", "--version"} << 0
            << version << "^$";
        QTest::newRow("direction unknown")
            << QStringList{"--richtung", "rückwärts"} << 2 << "^$"
            << "^roemische-zahlen: „rückwärts“ für --richtung ist keine Richtung; möglich sind "
               "arabisch-roemisch und roemisch-arabisch" + usage;
        QTest::newRow("direction without its value")
            << QStringList{"--richtung"} << 2 << "^$"
            << "^roemische-zahlen: Option „--richtung“ braucht einen Wert" + usage;
        QTest::newRow("von above bis") << QStringList{"--von", "50", "--bis", "20"} << 2 << "^$"
                                       << "^roemische-zahlen: --von 50 ist größer als --bis 20" + usage;
    }
    void answers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, standardOutput);
        QFETCH(QString, standardError);

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(RZ_PROGRAM), arguments);
        const bool finished = program.waitForFinished(30000);
        if (!finished)
            program.kill();
        QVERIFY2(finished, "still running: it opened its window");
        // In the system's own text conventions: its 8-bit encoding (UTF-8 on
        // Linux, the ANSI code page on Windows) and line ends.
        const auto text = [](const QByteArray &bytes) {
            return QString::fromLocal8Bit(bytes).replace(QLatin1String("\r\n"), QLatin1String("\n"));
        };
        const QString out = text(program.readAllStandardOutput());
        const QString err = text(program.readAllStandardError());
        QVERIFY2(program.exitStatus() == QProcess::NormalExit, qPrintable(err));
        QCOMPARE(program.exitCode(), exitCode);
        const auto matches = [](const QString &pattern, const QString &text) {
            return QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption)
                .match(text)
                .hasMatch();
        };
        QVERIFY2(matches(standardOutput, out), qPrintable(out));
        QVERIFY2(matches(standardError, err), qPrintable(err));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
