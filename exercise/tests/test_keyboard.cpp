// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The physical keyboard on the real, shown exercise window: every key of the
// keyboard table presses its on-screen key in the direction that asks for
// it, and does nothing in the other direction or once the game is lost.

#include "form1.h"
#include "optionbutton.h"
#include "guitest.h"
#include "harness.h"
#include "textbox.h"

#include <QApplication>
#include <QKeySequence>
#include <QPushButton>
#include <QTest>

class TestKeyboard : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keyboardTable_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text2");
        QTest::addColumn<QString>("text3");
        QTest::addColumn<QString>("text5");
        QTest::addColumn<QString>("text4");
        QTest::addColumn<bool>("okEnabled");
        QTest::addColumn<bool>("newNumberEnabled");
        QTest::addColumn<bool>("lost");

        const int a2r = Form1::ArabicToRoman;
        const int r2a = Form1::RomanToArabic;
        const QString none = QString();

        // Arabic to Roman: the letters answer, the digits are dead.
        QTest::newRow("a2r: Return asks a number")
            << a2r << 12 << "Return" << "0 12" << none << none << " 50" << true << false << false;
        QTest::newRow("a2r: letters in lower case")
            << a2r << 12 << "Return m d c l x v i" << "0 12" << "MDCLXVI" << none << " 50" << true << false << false;
        QTest::newRow("a2r: letters with Shift")
            << a2r << 12 << "Return Shift+M Shift+D Shift+C Shift+L Shift+X Shift+V Shift+I"
            << "0 12" << "MDCLXVI" << none << " 50" << true << false << false;
        QTest::newRow("a2r: letters with Caps Lock")
            << a2r << 12 << "Return M D C L X V I" << "0 12" << "MDCLXVI" << none << " 50" << true << false << false;
        QTest::newRow("a2r: letters before the first number")
            << a2r << 12 << "x i" << none << "XI" << none << " 50" << false << true << false;
        QTest::newRow("a2r: digits are dead")
            << a2r << 12 << "Return 1 2 3 4 5 6 7 8 9 0 Num+1 Num+5 Num+0"
            << "0 12" << none << none << " 50" << true << false << false;
        QTest::newRow("a2r: Backspace deletes the last letter")
            << a2r << 12 << "Return x i i i Backspace" << "0 12" << "XII" << none << " 50" << true << false << false;
        QTest::newRow("a2r: Backspace on an empty answer")
            << a2r << 12 << "Return x Backspace Backspace" << "0 12" << none << none << " 50" << true << false << false;
        QTest::newRow("a2r: Return presses OK, right")
            << a2r << 12 << "Return x i i Return" << "0 12" << "XII" << "Richtig" << " 60" << false << true << false;
        QTest::newRow("a2r: Enter presses OK, wrong")
            << a2r << 12 << "Return x i Enter" << "0 12" << "XI" << "Falsch" << " 25" << false << true << false;
        QTest::newRow("a2r: keypad Enter presses OK")
            << a2r << 12 << "Num+Enter x i i Num+Enter" << "0 12" << "XII" << "Richtig" << " 60" << false << true << false;
        QTest::newRow("a2r: Return after the verdict asks the next number")
            << a2r << 12 << "Return x i i Return Return" << "0 12" << none << none << " 60" << true << false << false;

        // Roman to Arabic: the digits answer, the letters are dead.
        QTest::newRow("r2a: Return asks a number")
            << r2a << 1994 << "Return" << none << "MCMXCIV" << none << " 50" << true << false << false;
        QTest::newRow("r2a: digits on the main row")
            << r2a << 1994 << "Return 1 2 3 4 5 6 7 8 9 0"
            << "1234567890" << "MCMXCIV" << none << " 50" << true << false << false;
        QTest::newRow("r2a: digits on the keypad")
            << r2a << 1994 << "Return Num+1 Num+2 Num+3 Num+4 Num+5 Num+6 Num+7 Num+8 Num+9 Num+0"
            << "1234567890" << "MCMXCIV" << none << " 50" << true << false << false;
        QTest::newRow("r2a: letters are dead")
            << r2a << 1994 << "Return m d c l x v i Shift+M Shift+I M I"
            << none << "MCMXCIV" << none << " 50" << true << false << false;
        QTest::newRow("r2a: Backspace deletes the last digit")
            << r2a << 1994 << "Return 1 9 9 4 4 Backspace" << "1994" << "MCMXCIV" << none << " 50" << true << false << false;
        QTest::newRow("r2a: Return presses OK, right")
            << r2a << 1994 << "Return 1 9 9 4 Return" << "1994" << "MCMXCIV" << "Richtig" << " 60" << false << true << false;
        QTest::newRow("r2a: Enter presses OK, wrong")
            << r2a << 1994 << "Return Num+0 Num+1 Num+9 Num+9 Num+4 Num+Enter"
            << "01994" << "MCMXCIV" << "Falsch" << " 25" << false << true << false;

        // Three wrong answers lose the game; then no key of a button does
        // anything, although the hidden "Neue Zahl" is enabled. (Return
        // presses the lost button: below.)
        const QString lose = QStringLiteral("Return Return Return Return Return Return");
        QTest::newRow("lost after letters: every key dead")
            << a2r << 12 << lose + " m Shift+M M x 1 Num+1 0 Backspace"
            << "0 12" << none << "VERLOREN" << "-25" << false << true << true;
        QTest::newRow("lost after digits: every key dead")
            << r2a << 1994 << lose + " 1 Num+1 0 Num+0 m Shift+M M Backspace"
            << none << "MCMXCIV" << "VERLOREN" << "-25" << false << true << true;
    }

    void keyboardTable()
    {
        QFETCH(int, direction);
        QFETCH(int, number);
        QFETCH(QString, keys);
        QFETCH(QString, text2);
        QFETCH(QString, text3);
        QFETCH(QString, text5);
        QFETCH(QString, text4);
        QFETCH(bool, okEnabled);
        QFETCH(bool, newNumberEnabled);
        QFETCH(bool, lost);

        Harness test;
        test.Draw({number});
        Form1 &window = test.program.ShowExercise();
        QVERIFY(Activate(&window));
        if (direction == Form1::RomanToArabic)
            RZ_CLICK(window.Option2);
        QCOMPARE(window.mode, qint16(direction));

        for (const QString &key : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const bool answerKey = key.contains(QLatin1String("Return")) || key.contains(QLatin1String("Enter"));
            const QWidget *const focus = QApplication::focusWidget();
            PressKey(key);
            if (QTest::currentTestFailed())
                return;
            // A key presses its button without taking the focus to it.
            if (!answerKey)
                QCOMPARE(QApplication::focusWidget(), focus);
        }

        QCOMPARE(window.Text2->text(), text2);
        QCOMPARE(window.Text3->text(), text3);
        QCOMPARE(window.Text5->text(), text5);
        QCOMPARE(window.Text4->text(), text4);
        QCOMPARE(window.Command3->isEnabled(), okEnabled);
        QCOMPARE(window.Command1->isEnabled(), newNumberEnabled);
        QCOMPARE(window.Command22->isVisible(), lost);
        QCOMPARE(window.Command1->isVisible(), !lost);
        // No key reached the lost button or "Ende".
        QCOMPARE(test.program.exercise(), &window);
        QVERIFY(!test.program.gameOver());
        QCOMPARE(test.endRequests, 0);
    }

    // Where the keyboard table gives Return nothing to do, Return presses
    // the focused button: the lost button once the game is lost, and the
    // focused button of the game-over window.
    void returnPressesFocusedButton_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("gameOverShown");
        QTest::addColumn<int>("points"); // of the loaded exercise window, -1: none
        QTest::addColumn<int>("endRequests");
        QTest::addColumn<QString>("asked"); // the number asked in the end
        QTest::newRow("Return: lost button") << "Return" << true << -1 << 0 << "";
        QTest::newRow("Enter: lost button") << "Enter" << true << -1 << 0 << "";
        QTest::newRow("keypad Enter: lost button") << "Num+Enter" << true << -1 << 0 << "";
        QTest::newRow("letters stay dead") << "x i m" << false << -25 << 0 << "0 12";
        QTest::newRow("then Return: Neues Spiel") << "Return Return" << false << 50 << 0 << "";
        QTest::newRow("then Tab, Return: Ende") << "Return Tab Return" << false << -1 << 1 << "";
        QTest::newRow("new game: Return asks a number") << "Return Return Return" << false << 50 << 0 << "00 7";
    }
    void returnPressesFocusedButton()
    {
        QFETCH(QString, keys);
        QFETCH(bool, gameOverShown);
        QFETCH(int, points);
        QFETCH(int, endRequests);
        QFETCH(QString, asked);

        Harness test;
        test.Draw({12, 12, 12, 7});
        QVERIFY(Activate(&test.program.ShowExercise()));
        // Three empty answers: 25, 0, -25, and the game is lost.
        for (int i = 0; i < 6; ++i)
            PressKey(QStringLiteral("Return"));
        QVERIFY(test.exercise()->Command22->hasFocus());

        for (const QString &key : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            PressKey(key);
            Harness::FinishDeletions();
            // A window just shown takes the keyboard, as on a desktop.
            for (QWidget *window : {static_cast<QWidget *>(test.gameOver()), static_cast<QWidget *>(test.exercise())})
                if (window && window->isVisible() && !window->isActiveWindow())
                    QVERIFY(Activate(window));
        }

        QCOMPARE(test.gameOver() && test.gameOver()->isVisible(), gameOverShown);
        QCOMPARE(test.exercise() ? int(test.exercise()->points) : -1, points);
        QCOMPARE(test.endRequests, endRequests);
        if (test.exercise())
            QCOMPARE(test.exercise()->Text2->text(), asked);
    }
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
