// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up, the choice of direction and "Neue Zahl", through the real window.

#include "guitest.h"
#include "harness.h"
#include "optionbutton.h"
#include "textbox.h"

#include <QPushButton>
#include <QTest>

namespace {

QList<QPushButton *> LetterKeys(const Form1 &f)
{
    return {f.Command4, f.Command5, f.Command6, f.Command7, f.Command8, f.Command9, f.Command10};
}

QList<QPushButton *> DigitKeys(const Form1 &f)
{
    return {f.Command12, f.Command13, f.Command14, f.Command15, f.Command16,
            f.Command17, f.Command18, f.Command19, f.Command20, f.Command21};
}

// Idle or Answering, with the keys of the current direction.
void VerifyState(const Form1 &f, bool answering)
{
    QCOMPARE(f.Command1->isEnabled(), !answering);
    QCOMPARE(f.Command3->isEnabled(), answering);
    QCOMPARE(f.Option1->isEnabled(), !answering);
    QCOMPARE(f.Option2->isEnabled(), !answering);
    for (QPushButton *key : LetterKeys(f))
        QCOMPARE(key->isEnabled(), f.mode == Form1::ArabicToRoman);
    for (QPushButton *key : DigitKeys(f))
        QCOMPARE(key->isEnabled(), f.mode == Form1::RomanToArabic);
    QVERIFY(f.Command11->isEnabled());
    QVERIFY(f.Command2->isEnabled());
    QVERIFY(!f.Command22->isVisible());
}

} // namespace

class TestControl : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startUp()
    {
        Harness h;
        Form1 &f = h.Start();
        QVERIFY(f.isVisible());
        QCOMPARE(f.points, qint16(50));
        QCOMPARE(f.Text4->text(), QStringLiteral(" 50"));
        QCOMPARE(f.mode, Form1::ArabicToRoman);
        QVERIFY(f.Option1->isChecked());
        QVERIFY(!f.Option2->isChecked());
        QVERIFY(!f.Command22->isVisible());
        QVERIFY(!f.Command22->isEnabled());
        QVERIFY(f.Text6->isVisible());
        for (const TextBox *box : {f.Text2, f.Text3, f.Text5, f.Text6})
            QVERIFY(box->text().isEmpty());
        QCOMPARE(f.Text1->text(), QStringLiteral("RÖMISCHE ZAHLEN"));
        VerifyState(f, false);
        QCOMPARE(f.focusWidget(), static_cast<QWidget *>(f.Command1));
    }

    // "Neue Zahl" in both directions with a fixed draw.
    void newNumber_data()
    {
        QTest::addColumn<bool>("romanToArabic");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text2");
        QTest::addColumn<QString>("text3");
        QTest::addColumn<QString>("text6");
        QTest::newRow("A->R 12") << false << 12 << "0 12" << "" << "XII";
        QTest::newRow("A->R 0") << false << 0 << "00 0" << "" << "";
        QTest::newRow("A->R 7") << false << 7 << "00 7" << "" << "VII";
        QTest::newRow("A->R 100") << false << 100 << " 100" << "" << "C";
        QTest::newRow("A->R 3888") << false << 3888 << "3888" << "" << "MMMDCCCLXXXVIII";
        QTest::newRow("A->R 3999") << false << 3999 << "3999" << "" << "MMMCMXCIX";
        QTest::newRow("R->A 12") << true << 12 << "" << "XII" << "0 12";
        QTest::newRow("R->A 0") << true << 0 << "" << "" << "00 0";
        QTest::newRow("R->A 1994") << true << 1994 << "" << "MCMXCIV" << "1994";
        QTest::newRow("R->A 3888") << true << 3888 << "" << "MMMDCCCLXXXVIII" << "3888";
    }
    void newNumber()
    {
        QFETCH(bool, romanToArabic);
        QFETCH(int, number);
        QFETCH(QString, text2);
        QFETCH(QString, text3);
        QFETCH(QString, text6);
        Harness h;
        Form1 &f = h.Start();
        if (romanToArabic)
            RZ_CLICK(f.Option2);
        // Whatever the learner typed before is overwritten.
        RZ_CLICK(romanToArabic ? f.Command13 : f.Command9);
        h.Draw({number});
        RZ_CLICK(f.Command1);
        QCOMPARE(f.Text2->text(), text2);
        QCOMPARE(f.Text3->text(), text3);
        QCOMPARE(f.Text6->text(), text6);
        QVERIFY(!f.Text6->isVisible());
        QVERIFY(f.Text5->text().isEmpty());
        QCOMPARE(f.points, qint16(50));
        VerifyState(f, true);
    }

    // A change of direction in Idle clears the four boxes, a revealed
    // solution included, and leaves its visibility and the score alone.
    void changeOfDirection()
    {
        Harness h;
        Form1 &f = h.Start();
        h.Draw({12});
        RZ_CLICK(f.Command1);
        RZ_CLICK(f.Command3); // empty answer: wrong, solution shown
        QCOMPARE(f.Text5->text(), QStringLiteral("Falsch"));
        QVERIFY(f.Text6->isVisible());
        RZ_CLICK(f.Option2);
        QCOMPARE(f.mode, Form1::RomanToArabic);
        for (TextBox *box : {f.Text2, f.Text3, f.Text5, f.Text6})
            QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
        QVERIFY(f.Text6->isVisible());
        QCOMPARE(f.points, qint16(25));
        QCOMPARE(f.Text4->text(), QStringLiteral(" 25"));
        VerifyState(f, false);
        RZ_CLICK(f.Option1);
        QCOMPARE(f.mode, Form1::ArabicToRoman);
        VerifyState(f, false);
    }

    // "Ende" and the window's frame ask the program to end, in every state.
    void ending_data()
    {
        QTest::addColumn<bool>("answering");
        QTest::addColumn<bool>("throughFrame");
        QTest::newRow("Ende in Idle") << false << false;
        QTest::newRow("Ende while answering") << true << false;
        QTest::newRow("frame in Idle") << false << true;
        QTest::newRow("frame while answering") << true << true;
    }
    void ending()
    {
        QFETCH(bool, answering);
        QFETCH(bool, throughFrame);
        Harness h;
        Form1 &f = h.Start();
        if (answering)
            RZ_CLICK(f.Command1);
        QCOMPARE(h.endRequests, 0);
        if (throughFrame)
            f.close();
        else
            RZ_CLICK(f.Command2);
        QCOMPARE(h.endRequests, 1);
        QCOMPARE(h.exitCode, 0);
        QVERIFY(!f.isVisible());
    }

    void endingInLostState()
    {
        Harness h;
        Form1 &f = h.Start();
        f.points = 0;
        h.Draw({5});
        RZ_CLICK(f.Command1);
        RZ_CLICK(f.Command3);
        QVERIFY(f.Command22->isVisible());
        f.close();
        QCOMPARE(h.endRequests, 1);
        QCOMPARE(h.exitCode, 0);
    }
};

QTEST_MAIN(TestControl)
#include "test_control.moc"
