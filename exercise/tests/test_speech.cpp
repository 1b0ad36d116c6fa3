// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the screen reader is told during games played on the keyboard: the
// new number, the answer after each key, the verdict with the score and the
// solution, the lost game, and why a key does nothing.

#include "announce.h"
#include "form1.h"
#include "guitest.h"
#include "harness.h"
#include "optionbutton.h"

#include <QStringList>
#include <QTest>

class TestSpeech : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { ListenToAnnouncements({}); }

    void announcements_data()
    {
        QTest::addColumn<bool>("romanToArabic");
        QTest::addColumn<QList<int>>("draws");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("said");

        QTest::newRow("right, Roman asked")
            << false << QList<int>{1994} << "Return m c m x c i v Return"
            << QStringList{"Neue Zahl: 1994", "Antwort: M", "Antwort: MC", "Antwort: MCM", "Antwort: MCMX",
                           "Antwort: MCMXC", "Antwort: MCMXCI", "Antwort: MCMXCIV", "Richtig. 60 Punkte."};
        QTest::newRow("wrong, a digit, Backspace")
            << false << QList<int>{12} << "Return x 5 Num+5 Ctrl+X Backspace Backspace i Return"
            << QStringList{"Neue Zahl: 12", "Antwort: X", "Gefragt ist die römische Zahl.",
                           "Gefragt ist die römische Zahl.", "Antwort: leer",
                           "Antwort: leer", "Antwort: I", "Falsch. Lösung: XII. 25 Punkte."};
        QTest::newRow("right, Arabic asked")
            << true << QList<int>{12} << "Return 1 2 Return"
            << QStringList{"Neue Zahl: XII", "Antwort: 1", "Antwort: 12", "Richtig. 60 Punkte."};
        QTest::newRow("wrong, a letter, Arabic asked")
            << true << QList<int>{1994} << "Return m Shift+C 0 1 9 9 4 Return"
            << QStringList{"Neue Zahl: MCMXCIV", "Gefragt ist die arabische Zahl.",
                           "Gefragt ist die arabische Zahl.", "Antwort: 0",
                           "Antwort: 01", "Antwort: 019", "Antwort: 0199", "Antwort: 01994",
                           "Falsch. Lösung: 1994. 25 Punkte."};
        QTest::newRow("zero both ways")
            << false << QList<int>{0, 0} << "Return Return Return i Return"
            << QStringList{"Neue Zahl: 0", "Richtig. 60 Punkte.", "Neue Zahl: 0", "Antwort: I",
                           "Falsch. Lösung: leer. 35 Punkte."};
        QTest::newRow("zero, Arabic asked")
            << true << QList<int>{0} << "Return Return"
            << QStringList{"Neue Zahl: leer", "Falsch. Lösung: 0. 25 Punkte."};
        QTest::newRow("lost, then every key")
            << false << QList<int>{5, 6, 7} << "Return Return Return Return Return Return x 1 Backspace"
            << QStringList{"Neue Zahl: 5", "Falsch. Lösung: V. 25 Punkte.", "Neue Zahl: 6",
                           "Falsch. Lösung: VI. 0 Punkte.", "Neue Zahl: 7",
                           "Falsch. Lösung: VII. Verloren: -25 Punkte. Weiter mit der Eingabetaste.",
                           "Verloren. Weiter mit der Eingabetaste.", "Verloren. Weiter mit der Eingabetaste.",
                           "Verloren. Weiter mit der Eingabetaste."};
    }
    void announcements()
    {
        QFETCH(bool, romanToArabic);
        QFETCH(QList<int>, draws);
        QFETCH(QString, keys);
        QFETCH(QStringList, said);

        Harness test;
        for (const int n : draws)
            test.Draw({n});
        Form1 &window = test.program.ShowExercise();
        QVERIFY(Activate(&window));
        if (romanToArabic)
            RZ_CLICK(window.Option2);

        QStringList heard;
        ListenToAnnouncements([&heard, &window](const QWidget *from, const QString &text) {
            QCOMPARE(from, &window);
            heard << text;
        });
        for (const QString &key : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            PressKey(key);
        QCOMPARE(heard, said);
    }
};

QTEST_MAIN(TestSpeech)
#include "test_speech.moc"
