// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line's range reaches every number asked, in a new game too:
// the program started as main() starts it, with its own generator, played
// through its windows.

#include "form1.h"
#include "form2.h"
#include "guitest.h"
#include "numeral.h"
#include "program.h"
#include "startup.h"
#include "textbox.h"

#include <QPushButton>
#include <QTimer>

#include <vector>

class TestRange : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rangeReachesTheGame_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("lowest");
        QTest::addColumn<int>("highest");
        QTest::newRow("one number") << QStringList{"--von", "7", "--bis", "7"} << 7 << 7;
        QTest::newRow("bis alone") << QStringList{"-bis", "1"} << 0 << 1;
    }
    void rangeReachesTheGame()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, lowest);
        QFETCH(int, highest);
        std::vector<QByteArray> bytes{"roemische-zahlen"};
        for (const QString &argument : arguments)
            bytes.push_back(argument.toLocal8Bit());
        std::vector<char *> argv;
        argv.reserve(bytes.size() + 1);
        for (QByteArray &argument : bytes)
            argv.push_back(argument.data());
        int argc = static_cast<int>(argv.size());
        argv.push_back(nullptr);

        // Three answers "M" (wrong in every range above) lose the game; a
        // new one asks once more.
        QStringList asked;
        const auto play = [&asked](const Program &program) {
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
        };
        QCOMPARE(RunProgram(argc, argv.data(), [&play](Program &program) {
                     QTimer::singleShot(0, [&play, &program] {
                         play(program);
                         program.EndProgram();
                     });
                 }),
                 0);
        QCOMPARE(asked.size(), 4);
        for (const QString &digits : asked)
            QVERIFY2(LenientNumber(digits) >= lowest && LenientNumber(digits) <= highest, qPrintable(digits));
    }
};

QTEST_APPLESS_MAIN(TestRange)
#include "test_range.moc"
