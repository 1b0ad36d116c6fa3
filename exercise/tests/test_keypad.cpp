// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The keypad through the real keys: letters and digits append their caption
// to their box, "Löschen" removes the answer's last character.

#include "guitest.h"
#include "harness.h"
#include "optionbutton.h"
#include "textbox.h"

#include <QPushButton>
#include <QTest>

namespace {

// Enabled and visible state of every control, and the texts of the boxes
// other than the one a key edits.
QString Snapshot(const Form1 &f, const TextBox *except)
{
    QString s;
    for (QWidget *w : f.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        s += w->objectName() + (w->isEnabled() ? QLatin1String(" e") : QLatin1String(" d"))
             + (w->isVisible() ? QLatin1String("v") : QLatin1String("h"));
        if (auto *box = qobject_cast<TextBox *>(w); box && box != except)
            s += QLatin1Char('[') + box->text() + QLatin1Char(']');
        if (auto *option = qobject_cast<QRadioButton *>(w))
            s += option->isChecked() ? QLatin1String("*") : QLatin1String("o");
        s += QLatin1Char(';');
    }
    return s + QString::number(f.points) + QLatin1Char('/') + QString::number(f.mode);
}

QPushButton *Key(Form1 &f, const QString &name)
{
    return f.findChild<QPushButton *>(name);
}

} // namespace

class TestKeypad : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Each of the seventeen keys once, on a fresh window: its caption, and
    // nothing else, lands at the end of its own box.
    void everyKey_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("digit");
        const char *letters[] = {"M", "D", "C", "L", "X", "V", "I"};
        for (int i = 0; i < 7; ++i)
            QTest::newRow(letters[i]) << QStringLiteral("Command%1").arg(4 + i) << QString::fromLatin1(letters[i]) << false;
        for (int d = 1; d <= 9; ++d)
            QTest::newRow(qPrintable(QString::number(d))) << QStringLiteral("Command%1").arg(11 + d) << QString::number(d) << true;
        QTest::newRow("0") << QStringLiteral("Command21") << QStringLiteral("0") << true;
    }
    void everyKey()
    {
        QFETCH(QString, key);
        QFETCH(QString, caption);
        QFETCH(bool, digit);
        Harness h;
        Form1 &f = h.Start();
        h.Draw({1994});
        if (digit)
            RZ_CLICK(f.Option2);
        RZ_CLICK(f.Command1);
        TextBox *answer = digit ? f.Text2 : f.Text3;
        answer->setText(QStringLiteral("1X"));
        const QString before = Snapshot(f, answer);
        QPushButton *button = Key(f, key);
        RZ_CLICK(button);
        QCOMPARE(answer->text(), QStringLiteral("1X") + caption);
        QCOMPARE(Snapshot(f, answer), before);
        // The focus is where the toolkit puts it after a click.
        QCOMPARE(f.focusWidget(), static_cast<QWidget *>(button));
    }

    // Sequences of keys in either direction; the question box stays as it is.
    void sequences_data()
    {
        QTest::addColumn<bool>("romanToArabic");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("answer");
        const QString m = "Command4";
        const QString c = "Command6";
        const QString x = "Command8";
        const QString v = "Command9";
        const QString i = "Command10";
        const QString zero = "Command21";
        const QString seven = "Command18";
        const QString del = "Command11";
        QTest::newRow("MCXI") << false << QStringList{m, c, x, i} << "MCXI";
        QTest::newRow("IIII not judged") << false << QStringList{i, i, i, i} << "IIII";
        QTest::newRow("VX not judged") << false << QStringList{v, x} << "VX";
        QTest::newRow("leading zero kept") << true << QStringList{zero, seven} << "07";
        QTest::newRow("Löschen on MCXI") << false << QStringList{m, c, x, i, del} << "MCX";
        QTest::newRow("Löschen four times") << false << QStringList{m, c, x, i, del, del, del, del} << "";
        QTest::newRow("Löschen on empty") << false << QStringList{del} << "";
        QTest::newRow("Löschen past empty") << false << QStringList{m, del, del, del} << "";
        QTest::newRow("Löschen two chars") << false << QStringList{x, i, del} << "X";
        QTest::newRow("Löschen one char") << false << QStringList{x, del} << "";
        QTest::newRow("Löschen digits") << true << QStringList{seven, zero, seven, del} << "70";
        QTest::newRow("Löschen one digit") << true << QStringList{seven, del} << "";
        QTest::newRow("Löschen then type") << true << QStringList{seven, del, zero} << "0";
    }
    void sequences()
    {
        QFETCH(bool, romanToArabic);
        QFETCH(QStringList, keys);
        QFETCH(QString, answer);
        Harness h;
        Form1 &f = h.Start();
        h.Draw({3888});
        if (romanToArabic)
            RZ_CLICK(f.Option2);
        RZ_CLICK(f.Command1);
        TextBox *answerBox = romanToArabic ? f.Text2 : f.Text3;
        TextBox *questionBox = romanToArabic ? f.Text3 : f.Text2;
        const QString question = romanToArabic ? QStringLiteral("MMMDCCCLXXXVIII") : QStringLiteral("3888");
        QCOMPARE(questionBox->text(), question);
        for (const QString &key : keys)
            RZ_CLICK(Key(f, key));
        QCOMPARE(answerBox->text(), answer);
        QCOMPARE(questionBox->text(), question);
        QCOMPARE(f.Text6->text(), romanToArabic ? QStringLiteral("3888") : QStringLiteral("MMMDCCCLXXXVIII"));
        QVERIFY(f.Text5->text().isEmpty());
    }

    // Text3 keeps at most 15 letters; "Löschen" still works on a full box.
    void romanBoxIsLimited()
    {
        Harness h;
        Form1 &f = h.Start();
        const QList<QPushButton *> keys{f.Command4, f.Command5, f.Command6, f.Command7, f.Command8};
        for (int n = 0; n < 15; ++n)
            RZ_CLICK(keys[n % 5]);
        const QString full = QStringLiteral("MDCLXMDCLXMDCLX");
        QCOMPARE(f.Text3->text(), full);
        RZ_CLICK(f.Command10);
        QCOMPARE(f.Text3->text(), full);
        RZ_CLICK(f.Command11);
        QCOMPARE(f.Text3->text(), full.left(14));
        RZ_CLICK(f.Command10);
        QCOMPARE(f.Text3->text(), full.left(14) + QLatin1Char('I'));
    }

    // Text2 takes every digit.
    void arabicBoxIsNotLimited()
    {
        Harness h;
        Form1 &f = h.Start();
        RZ_CLICK(f.Option2);
        QString expected;
        for (int n = 0; n < 40; ++n) {
            RZ_CLICK(n % 2 ? f.Command21 : f.Command20);
            expected += n % 2 ? QLatin1Char('0') : QLatin1Char('9');
        }
        QCOMPARE(f.Text2->text(), expected);
    }

    // "Löschen" picks its box by the direction, and does nothing when the
    // direction is neither.
    void deleteKeyFollowsDirection_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("text2");
        QTest::addColumn<QString>("text3");
        QTest::newRow("Arabic to Roman") << 1 << "12" << "X";
        QTest::newRow("Roman to Arabic") << 2 << "1" << "XI";
        QTest::newRow("neither: 0") << 0 << "12" << "XI";
        QTest::newRow("neither: 3") << 3 << "12" << "XI";
        QTest::newRow("neither: -1") << -1 << "12" << "XI";
    }
    void deleteKeyFollowsDirection()
    {
        QFETCH(int, mode);
        QFETCH(QString, text2);
        QFETCH(QString, text3);
        Harness h;
        Form1 &f = h.Start();
        f.Text2->setText(QStringLiteral("12"));
        f.Text3->setText(QStringLiteral("XI"));
        f.mode = static_cast<qint16>(mode);
        RZ_CLICK(f.Command11);
        QCOMPARE(f.Text2->text(), text2);
        QCOMPARE(f.Text3->text(), text3);
    }

    // The letter and digit keys go by their enabled state alone, not by the
    // direction: whatever `mode` holds, an enabled key appends to its box.
    void keysIgnoreDirection_data()
    {
        QTest::addColumn<bool>("digits");
        QTest::addColumn<int>("mode");
        QTest::newRow("letter, mode 2") << false << 2;
        QTest::newRow("letter, mode 0") << false << 0;
        QTest::newRow("digit, mode 1") << true << 1;
        QTest::newRow("digit, mode 0") << true << 0;
    }
    void keysIgnoreDirection()
    {
        QFETCH(bool, digits);
        QFETCH(int, mode);
        Harness h;
        Form1 &f = h.Start();
        if (digits)
            RZ_CLICK(f.Option2);
        f.mode = static_cast<qint16>(mode);
        RZ_CLICK(digits ? f.Command18 : f.Command8);
        QCOMPARE(f.Text2->text(), digits ? QStringLiteral("7") : QString());
        QCOMPARE(f.Text3->text(), digits ? QString() : QStringLiteral("X"));
    }

    // Keys keep working in Idle after "OK"; the next "Neue Zahl" empties the
    // answer box again.
    void keysAfterAnswer()
    {
        Harness h;
        Form1 &f = h.Start();
        h.Draw({5, 6});
        RZ_CLICK(f.Command1);
        RZ_CLICK(f.Command9);
        RZ_CLICK(f.Command3);
        QCOMPARE(f.Text5->text(), QStringLiteral("Richtig"));
        RZ_CLICK(f.Command10);
        QCOMPARE(f.Text3->text(), QStringLiteral("VI"));
        RZ_CLICK(f.Command1);
        QVERIFY(f.Text3->text().isEmpty());
    }
};

QTEST_MAIN(TestKeypad)
#include "test_keypad.moc"
