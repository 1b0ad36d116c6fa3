// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The range given on the command line reaches every number the game asks,
// in the first game and in a new one after a lost game: the program is
// started as main() starts it, with its own generator and clock, and
// played through its windows.

#include "form1.h"
#include "form2.h"
#include "guitest.h"
#include "numeral.h"
#include "program.h"
#include "startup.h"
#include "textbox.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <vector>

namespace {

// Asks three numbers with "Neue Zahl", answers each with "M" (wrong for
// every range below), which loses the game, and starts a new one to ask
// one more.
void PlayTwoGames(Program &program, QStringList &asked)
{
    for (int round = 0; round < 3; ++round) {
        RZ_CLICK(program.exercise()->Command1);
        asked.append(program.exercise()->Text2->text());
        RZ_CLICK(program.exercise()->Command4);
        RZ_CLICK(program.exercise()->Command3);
    }
    RZ_CLICK(program.exercise()->Command22);
    RZ_CLICK(program.gameOver()->Command1);
    RZ_CLICK(program.exercise()->Command1);
    asked.append(program.exercise()->Text2->text());
}

} // namespace

class TestRange : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rangeReachesTheGame_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("lowest");
        QTest::addColumn<int>("highest");
        QTest::newRow("one number") << QStringList{"--von", "7", "--bis", "7"} << 7 << 7;
        QTest::newRow("top end only") << QStringList{"--von=3998"} << 3998 << 3999;
        QTest::newRow("bottom end only, one dash") << QStringList{"-bis", "1"} << 0 << 1;
    }
    void rangeReachesTheGame()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, lowest);
        QFETCH(int, highest);

        arguments.prepend(QStringLiteral("roemische-zahlen"));
        std::vector<QByteArray> bytes;
        for (const QString &argument : arguments)
            bytes.push_back(argument.toLocal8Bit());
        std::vector<char *> argv;
        for (QByteArray &argument : bytes)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        int argc = static_cast<int>(bytes.size());

        QStringList asked;
        const int status = RunProgram(argc, argv.data(), [&asked](Program &program) {
            QTimer::singleShot(0, qApp, [&program, &asked] {
                PlayTwoGames(program, asked);
                program.EndProgram();
            });
        });
        QCOMPARE(status, 0);
        QCOMPARE(asked.size(), 4);
        for (const QString &digits : asked) {
            const long long number = LenientNumber(digits);
            QVERIFY2(number >= lowest && number <= highest, qPrintable(QStringLiteral("asked %1").arg(digits)));
        }
    }
};

QTEST_APPLESS_MAIN(TestRange)
#include "test_range.moc"
