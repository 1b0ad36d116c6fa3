// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line's range and direction reach every game, a new one too:
// the program started as main() starts it, with its own generator, played
// through its windows.

#include "form1.h"
#include "form2.h"
#include "guitest.h"
#include "numeral.h"
#include "optionbutton.h"
#include "program.h"
#include "startup.h"
#include "textbox.h"

#include <QPushButton>
#include <QTimer>

#include <functional>
#include <vector>

namespace {

// What one game showed: the direction the window was in when the game
// began, and the question of each exercise.
struct Game {
    qint16 mode = 0;
    bool option2Selected = false;
    QStringList asked;
};

// Runs the program with the arguments and plays it: three wrong answers,
// which lose the game, then a new game and one exercise of it.
bool PlayProgram(const QStringList &arguments, std::vector<Game> &games)
{
    std::vector<QByteArray> bytes{"roemische-zahlen"};
    for (const QString &argument : arguments)
        bytes.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    argv.reserve(bytes.size() + 1);
    for (QByteArray &argument : bytes)
        argv.push_back(argument.data());
    int argc = static_cast<int>(argv.size());
    argv.push_back(nullptr);

    bool played = false;
    const auto play = [&games, &played](const Program &program) {
        const auto begin = [&games, &program] {
            Form1 *window = program.exercise();
            games.push_back(Game{window->mode, window->Option2->isChecked(), {}});
        };
        const auto ask = [&games, &program] {
            Form1 *window = program.exercise();
            RZ_CLICK(window->Command1);
            games.back().asked.append(window->mode == Form1::RomanToArabic ? window->Text3->text()
                                                                           : window->Text2->text());
        };
        begin();
        for (int round = 0; round < 3; ++round) {
            ask();
            // "M" or "1": wrong for every range the tests give.
            Form1 *window = program.exercise();
            RZ_CLICK(window->mode == Form1::RomanToArabic ? window->Command12 : window->Command4);
            RZ_CLICK(window->Command3);
        }
        RZ_CLICK(program.exercise()->Command22);
        RZ_CLICK(program.gameOver()->Command1);
        begin();
        ask();
        played = true;
    };
    const int status = RunProgram(argc, argv.data(), [&play](Program &program) {
        QTimer::singleShot(0, [&play, &program] {
            play(program);
            program.EndProgram();
        });
    });
    return status == 0 && played;
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
        QTest::newRow("bis alone") << QStringList{"-bis", "1"} << 0 << 1;
    }
    void rangeReachesTheGame()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, lowest);
        QFETCH(int, highest);
        std::vector<Game> games;
        QVERIFY(PlayProgram(arguments, games));
        QCOMPARE(games.size(), 2u);
        QStringList asked = games[0].asked + games[1].asked;
        QCOMPARE(asked.size(), 4);
        for (const QString &digits : asked)
            QVERIFY2(LenientNumber(digits) >= lowest && LenientNumber(digits) <= highest, qPrintable(digits));
    }

    // Every game starts in the direction given, the new one after a lost
    // game too, and asks in it.
    void directionStartsEveryGame_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("question");
        const QStringList seven{"--von", "7", "--bis", "7"};
        QTest::newRow("Roman to Arabic") << seven + QStringList{"--richtung", "roemisch-arabisch"}
                                         << int(Form1::RomanToArabic) << "VII";
        QTest::newRow("written with ö") << seven + QStringList{"--richtung=Römisch-Arabisch"}
                                        << int(Form1::RomanToArabic) << "VII";
        QTest::newRow("Arabic to Roman") << seven + QStringList{"--richtung", "arabisch-roemisch"}
                                         << int(Form1::ArabicToRoman) << "7";
    }
    void directionStartsEveryGame()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, mode);
        QFETCH(QString, question);
        std::vector<Game> games;
        QVERIFY(PlayProgram(arguments, games));
        QCOMPARE(games.size(), 2u);
        for (const Game &game : games) {
            QCOMPARE(int(game.mode), mode);
            QCOMPARE(game.option2Selected, mode == Form1::RomanToArabic);
            // The Roman numeral as it is shown, the Arabic number as read.
            for (const QString &asked : game.asked)
                QCOMPARE(mode == Form1::RomanToArabic ? asked : QString::number(LenientNumber(asked)), question);
        }
    }
};

QTEST_APPLESS_MAIN(TestRange)
#include "test_range.moc"
