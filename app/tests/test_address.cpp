// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the game makes of a page's address: the settings it plays with and
// the one line the page shows, for every combination of a good and a bad
// range and direction.

#include "addressreading.h"

#include <QTest>

Q_DECLARE_METATYPE(std::optional<QString>)

class TestAddress : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void reading_data()
    {
        using Text = std::optional<QString>;
        QTest::addColumn<Text>("von");
        QTest::addColumn<Text>("bis");
        QTest::addColumn<Text>("richtung");
        QTest::addColumn<int>("lowest");
        QTest::addColumn<int>("highest");
        QTest::addColumn<bool>("romanFirst");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("problem");
        const Text none;
        const QString wrongDirection = QStringLiteral(
            "Die Adresse gibt die Richtung falsch an: „links“ für richtung ist keine Richtung; möglich sind "
            "arabisch-roemisch und roemisch-arabisch. Das Spiel beginnt darum mit „Arabisch nach Römisch“.");
        const QString wrongRange = QStringLiteral("Die Adresse gibt den Bereich falsch an: „x“ für von ist keine "
                                                  "ganze Zahl. Das Spiel fragt darum Zahlen von 0 bis 3999.");
        QTest::newRow("nothing") << none << none << none << 0 << 3999 << false << QString() << false;
        QTest::newRow("range and direction")
            << Text("1") << Text("100") << Text("roemisch-arabisch") << 1 << 100 << true
            << QStringLiteral("Zahlen von 1 bis 100") << false;
        QTest::newRow("direction alone, with ö") << none << none << Text("RÖMISCH-ARABISCH") << 0 << 3999 << true
                                                 << QString() << false;
        QTest::newRow("wrong direction") << none << none << Text("links") << 0 << 3999 << false << wrongDirection
                                         << true;
        QTest::newRow("range and wrong direction")
            << none << Text("20") << Text("links") << 0 << 20 << false
            << QStringLiteral("Zahlen von 0 bis 20. ") + wrongDirection << true;
        QTest::newRow("wrong range and direction")
            << Text("x") << Text("20") << Text("roemisch-arabisch") << 0 << 3999 << true << wrongRange << true;
        QTest::newRow("both wrong") << Text("x") << none << Text("links") << 0 << 3999 << false
                                    << wrongRange + QLatin1Char(' ') + wrongDirection << true;
        QTest::newRow("empty direction") << none << none << Text("") << 0 << 3999 << false
                                         << QString(wrongDirection).replace(QStringLiteral("„links“"), QStringLiteral("„“"))
                                         << true;
    }
    void reading()
    {
        QFETCH(std::optional<QString>, von);
        QFETCH(std::optional<QString>, bis);
        QFETCH(std::optional<QString>, richtung);
        QFETCH(int, lowest);
        QFETCH(int, highest);
        QFETCH(bool, romanFirst);
        QFETCH(QString, line);
        QFETCH(bool, problem);
        const AddressReading reading = ReadAddress(AddressSettings{von, bis, richtung});
        QCOMPARE(reading.settings.range.von, lowest);
        QCOMPARE(reading.settings.range.bis, highest);
        QCOMPARE(reading.settings.direction == Direction::RomanToArabic, romanFirst);
        QCOMPARE(reading.line, line);
        QCOMPARE(reading.problem, problem);
    }
};

QTEST_APPLESS_MAIN(TestAddress)
#include "test_address.moc"
