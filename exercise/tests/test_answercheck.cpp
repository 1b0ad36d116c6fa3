// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "OK" through the real window: verdict, score, solution, and the lost game.

#include "guitest.h"
#include "harness.h"
#include "playing.h"
#include "optionbutton.h"
#include "textbox.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstdint>

namespace {

enum class Next : std::uint8_t { Idle, Lost };

} // namespace

Q_DECLARE_METATYPE(Next)

namespace {

// Types an answer on the keypad, key by key; false at the first character
// no key can type.
bool TypeOnKeypad(Form1 &f, const QString &answer)
{
    return std::all_of(answer.cbegin(), answer.cend(), [&f](QChar c) {
        QPushButton *key = KeyFor(f, c);
        if (key)
            QTest::mouseClick(key, Qt::LeftButton, Qt::NoModifier, key->rect().center());
        return key != nullptr;
    });
}

// One exercise: direction, draw, answer (typed where the keypad can type
// it, else set as the box's text), "OK".
void PlayExercise(Harness &h, Form1 &f, bool romanToArabic, int number, const QString &answer)
{
    if (romanToArabic != (f.mode == Form1::RomanToArabic))
        RZ_CLICK(romanToArabic ? static_cast<QAbstractButton *>(f.Option2) : f.Option1);
    h.Draw({number});
    RZ_CLICK(f.Command1);
    TextBox *answerBox = romanToArabic ? f.Text2 : f.Text3;
    if (!TypeOnKeypad(f, answer))
        answerBox->setText(answer);
    QCOMPARE(answerBox->text(), answer);
    RZ_CLICK(f.Command3);
}

QList<QWidget *> VisibleControls(const Form1 &f)
{
    QList<QWidget *> visible;
    for (QWidget *w : f.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (w->isVisible())
            visible << w;
    return visible;
}

void VerifyIdle(const Form1 &f)
{
    QVERIFY(!f.Command3->isEnabled());
    QVERIFY(f.Command1->isEnabled());
    QVERIFY(f.Option1->isEnabled());
    QVERIFY(f.Option2->isEnabled());
    QVERIFY(!f.Command22->isVisible());
    for (QAbstractButton *b : f.findChildren<QAbstractButton *>())
        QVERIFY2(b == f.Command22 || b->isVisible(), qPrintable(b->objectName()));
}

} // namespace

class TestAnswerCheck : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void outcomes_data()
    {
        QTest::addColumn<bool>("romanToArabic");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("before");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<int>("after");
        QTest::addColumn<QString>("solution");
        QTest::addColumn<bool>("solutionShown");
        QTest::addColumn<QString>("pointsText");
        QTest::addColumn<Next>("next");

        const QString right = "Richtig";
        const QString wrong = "Falsch";
        const QString lost = "VERLOREN";
        QTest::newRow("A->R right") << false << 12 << "XII" << 50 << right << 60 << "XII" << false << " 60" << Next::Idle;
        QTest::newRow("A->R wrong") << false << 12 << "XIII" << 50 << wrong << 25 << "XII" << true << " 25" << Next::Idle;
        QTest::newRow("A->R lower case") << false << 12 << "xii" << 50 << wrong << 25 << "XII" << true << " 25" << Next::Idle;
        QTest::newRow("A->R empty") << false << 12 << "" << 50 << wrong << 25 << "XII" << true << " 25" << Next::Idle;
        QTest::newRow("A->R over-long") << false << 12 << "XIIXIIXIIXIIXII" << 50 << wrong << 25 << "XII" << true << " 25" << Next::Idle;
        QTest::newRow("A->R longest") << false << 3888 << "MMMDCCCLXXXVIII" << 50 << right << 60 << "MMMDCCCLXXXVIII" << false << " 60" << Next::Idle;
        QTest::newRow("A->R 0 empty") << false << 0 << "" << 50 << right << 60 << "" << false << " 60" << Next::Idle;
        QTest::newRow("A->R 0 letter") << false << 0 << "I" << 50 << wrong << 25 << "" << true << " 25" << Next::Idle;
        QTest::newRow("R->A 12 right") << true << 12 << "12" << 50 << right << 60 << "12" << false << " 60" << Next::Idle;
        QTest::newRow("R->A 012 wrong") << true << 12 << "012" << 50 << wrong << 25 << "12" << true << " 25" << Next::Idle;
        QTest::newRow("R->A digit text wrong") << true << 12 << "0 12" << 50 << wrong << 25 << "12" << true << " 25" << Next::Idle;
        QTest::newRow("R->A blank wrong") << true << 12 << " 12" << 50 << wrong << 25 << "12" << true << " 25" << Next::Idle;
        QTest::newRow("R->A over-long") << true << 12 << "1212" << 50 << wrong << 25 << "12" << true << " 25" << Next::Idle;
        QTest::newRow("R->A 0 right") << true << 0 << "0" << 50 << right << 60 << "0" << false << " 60" << Next::Idle;
        QTest::newRow("R->A 0 empty") << true << 0 << "" << 50 << wrong << 25 << "0" << true << " 25" << Next::Idle;
        QTest::newRow("R->A 7") << true << 7 << "7" << 50 << right << 60 << "7" << false << " 60" << Next::Idle;
        QTest::newRow("R->A 100") << true << 100 << "100" << 50 << right << 60 << "100" << false << " 60" << Next::Idle;
        QTest::newRow("R->A 2047") << true << 2047 << "2047" << 50 << right << 60 << "2047" << false << " 60" << Next::Idle;
        QTest::newRow("R->A 3999 wrong") << true << 3999 << "3998" << 50 << wrong << 25 << "3999" << true << " 25" << Next::Idle;
        QTest::newRow("25 wrong gives 0") << false << 5 << "IIIII" << 25 << wrong << 0 << "V" << true << " 0" << Next::Idle;
        QTest::newRow("0 right") << false << 5 << "V" << 0 << right << 10 << "V" << false << " 10" << Next::Idle;
        QTest::newRow("0 wrong is lost") << false << 5 << "IV" << 0 << lost << -25 << "V" << true << "-25" << Next::Lost;
        QTest::newRow("20 wrong is lost") << true << 5 << "4" << 20 << lost << -5 << "5" << true << "-5" << Next::Lost;
        QTest::newRow("15 wrong is lost") << true << 5 << "" << 15 << lost << -10 << "5" << true << "-10" << Next::Lost;
        QTest::newRow("32755 right") << false << 1 << "I" << 32755 << right << 32765 << "I" << false << " 32765" << Next::Idle;
        QTest::newRow("32760 right keeps") << false << 1 << "I" << 32760 << right << 32760 << "I" << false << " 32760" << Next::Idle;
        QTest::newRow("32765 right keeps") << true << 1 << "1" << 32765 << right << 32765 << "1" << false << " 32765" << Next::Idle;
        QTest::newRow("32760 wrong") << false << 1 << "II" << 32760 << wrong << 32735 << "I" << true << " 32735" << Next::Idle;
    }

    void outcomes()
    {
        QFETCH(bool, romanToArabic);
        QFETCH(int, number);
        QFETCH(QString, answer);
        QFETCH(int, before);
        QFETCH(QString, verdict);
        QFETCH(int, after);
        QFETCH(QString, solution);
        QFETCH(bool, solutionShown);
        QFETCH(QString, pointsText);
        QFETCH(Next, next);

        Harness h;
        Form1 &f = h.Start();
        f.points = static_cast<qint16>(before);
        PlayExercise(h, f, romanToArabic, number, answer);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(f.Text5->text(), verdict);
        QCOMPARE(int(f.points), after);
        QCOMPARE(f.Text6->text(), solution);
        QCOMPARE(f.Text6->isVisible(), solutionShown);
        QCOMPARE(f.Text4->text(), pointsText);
        QCOMPARE(f.mode, romanToArabic ? Form1::RomanToArabic : Form1::ArabicToRoman);
        QCOMPARE(f.Command22->isVisible(), next == Next::Lost);
        if (next == Next::Idle)
            VerifyIdle(f);
    }

    // Three wrong answers from the start: 50, 25, 0 and still playing,
    // then -25 and lost.
    void scorePath()
    {
        Harness h;
        Form1 &f = h.Start();
        const QStringList expected{" 25", " 0", "-25"};
        for (int round = 0; round < 3; ++round) {
            PlayExercise(h, f, false, 12, QStringLiteral("XI"));
            QCOMPARE(f.Text4->text(), expected[round]);
            QCOMPARE(f.Command22->isVisible(), round == 2);
            QCOMPARE(f.Text5->text(), round == 2 ? QStringLiteral("VERLOREN") : QStringLiteral("Falsch"));
        }
        QCOMPARE(f.points, qint16(-25));
    }

    // In the lost state only the lost button is left, lying over the keys
    // "1" to "3"; the solution is shown.
    void lostState_data()
    {
        QTest::addColumn<bool>("romanToArabic");
        QTest::newRow("Arabic to Roman") << false;
        QTest::newRow("Roman to Arabic") << true;
    }
    void lostState()
    {
        QFETCH(bool, romanToArabic);
        Harness h;
        Form1 &f = h.Start();
        f.points = 0;
        PlayExercise(h, f, romanToArabic, 1994, romanToArabic ? QStringLiteral("1993") : QStringLiteral("MCMXCV"));
        QList<QWidget *> expected;
        expected << f.Text1 << f.Text2 << f.Text3 << f.Text4 << f.Text5 << f.Text6 << f.Label1 << f.Label2
                 << f.Label3 << f.Label4 << f.Label5 << f.Command22;
        QList<QWidget *> visible = VisibleControls(f);
        QCOMPARE(visible.size(), expected.size());
        for (QWidget *w : expected)
            QVERIFY2(visible.contains(w), qPrintable(w->objectName()));
        QVERIFY(f.Command22->isEnabled());
        for (QPushButton *key : {f.Command12, f.Command13, f.Command14}) {
            QWidget *hit = f.childAt(key->geometry().center());
            QCOMPARE(hit, static_cast<QWidget *>(f.Command22));
        }
        QCOMPARE(f.Text5->text(), QStringLiteral("VERLOREN"));
        QCOMPARE(f.Text6->text(), romanToArabic ? QStringLiteral("1994") : QStringLiteral("MCMXCIV"));
        QCOMPARE(f.Text4->text(), QStringLiteral("-25"));
        // The question and the answer stay as they were.
        QCOMPARE(f.Text2->text(), romanToArabic ? QStringLiteral("1993") : QStringLiteral("1994"));
        QCOMPARE(f.Text3->text(), romanToArabic ? QStringLiteral("MCMXCIV") : QStringLiteral("MCMXCV"));
        QCOMPARE(h.endRequests, 0);
    }

    // 3271 right answers in a row, played through the buttons, reach 32760;
    // the next right answer keeps the score and the game goes on; a wrong
    // answer then gives 32735.
    void topOfTheScore()
    {
        Harness h;
        Form1 &f = h.Start();
        for (int round = 1; round <= 3271; ++round) {
            h.Draw({1});
            RZ_CLICK(f.Command1);
            RZ_CLICK(f.Command10);
            RZ_CLICK(f.Command3);
            if (f.Text5->text() != QStringLiteral("Richtig"))
                QFAIL(qPrintable(QStringLiteral("round %1 judged %2").arg(round).arg(f.Text5->text())));
        }
        QCOMPARE(f.points, qint16(32760));
        QCOMPARE(f.Text4->text(), QStringLiteral(" 32760"));

        PlayExercise(h, f, false, 1, QStringLiteral("I"));
        QCOMPARE(f.Text5->text(), QStringLiteral("Richtig"));
        QCOMPARE(f.points, qint16(32760));
        QCOMPARE(f.Text4->text(), QStringLiteral(" 32760"));
        VerifyIdle(f);

        PlayExercise(h, f, false, 1, QStringLiteral("V"));
        QCOMPARE(f.Text5->text(), QStringLiteral("Falsch"));
        QCOMPARE(f.points, qint16(32735));
        QCOMPARE(f.Text4->text(), QStringLiteral(" 32735"));
        VerifyIdle(f);
    }
};

QTEST_MAIN(TestAnswerCheck)
#include "test_answercheck.moc"
