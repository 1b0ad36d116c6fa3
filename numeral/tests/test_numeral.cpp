// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakes.h"
#include "numeral.h"
#include "randomsource.h"
#include "timeofday.h"

#include <QLocale>
#include <QSet>
#include <QTest>
#include <QTime>

#include <cmath>
#include <vector>

namespace {

// A generator whose values a test sets, counting how it is used.
class FixedRandom final : public RandomSource {
public:
    void Randomize() override { ++reseeds; }
    float Rnd(long long arg) override
    {
        arguments.push_back(arg);
        if (arg > 0)
            ++advances;
        return arg > 0 ? next : current;
    }
    float current = 0.0f;
    float next = 0.0f;
    int reseeds = 0;
    int advances = 0;
    std::vector<long long> arguments;
};

// The smallest float that is not below x.
float AtLeast(double x)
{
    auto f = static_cast<float>(x);
    return static_cast<double>(f) < x ? std::nextafter(f, 1.0f) : f;
}


} // namespace

class TestNumeral : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void paddedDigitsAndRoman_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("roman");
        QTest::newRow("0") << 0 << "00 0" << "";
        QTest::newRow("5") << 5 << "00 5" << "V";
        QTest::newRow("12") << 12 << "0 12" << "XII";
        QTest::newRow("40") << 40 << "0 40" << "XL";
        QTest::newRow("90") << 90 << "0 90" << "XC";
        QTest::newRow("100") << 100 << " 100" << "C";
        QTest::newRow("400") << 400 << " 400" << "CD";
        QTest::newRow("900") << 900 << " 900" << "CM";
        QTest::newRow("999") << 999 << " 999" << "CMXCIX";
        QTest::newRow("1000") << 1000 << "1000" << "M";
        QTest::newRow("1994") << 1994 << "1994" << "MCMXCIV";
        QTest::newRow("2047") << 2047 << "2047" << "MMXLVII";
        QTest::newRow("3888") << 3888 << "3888" << "MMMDCCCLXXXVIII";
        QTest::newRow("3999") << 3999 << "3999" << "MMMCMXCIX";
    }
    void paddedDigitsAndRoman()
    {
        QFETCH(int, number);
        QFETCH(QString, digits);
        QFETCH(QString, roman);
        QCOMPARE(PaddedDigits(number), digits);
        QCOMPARE(ToRoman(digits), roman);
    }

    // Every number converts to its numeral: checked against an independent
    // greedy conversion and by reading the numeral back.
    void allNumbersConvert()
    {
        int longest = 0;
        for (int n = 0; n <= 3999; ++n) {
            const QString expected = RomanByTable(n);
            const QString digits = PaddedDigits(n);
            QCOMPARE(digits.size(), 4);
            QCOMPARE(LenientNumber(digits), n);
            const QString roman = ToRoman(digits);
            if (roman != expected)
                QFAIL(qPrintable(QStringLiteral("%1 gave %2, not %3").arg(n).arg(roman, expected)));
            longest = std::max(longest, int(roman.size()));
        }
        QCOMPARE(longest, 15);
    }

    // The thousands place counts only "1" to "3"; other places treat a
    // blank like "0".
    void romanReadsCharacters_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("roman");
        QTest::newRow("thousands 4") << "4000" << "";
        QTest::newRow("thousands 9") << "9001" << "I";
        QTest::newRow("blanks") << "   7" << "VII";
        QTest::newRow("blank units") << "12 " << "MCC";
    }
    void romanReadsCharacters()
    {
        QFETCH(QString, digits);
        QFETCH(QString, roman);
        QCOMPARE(ToRoman(digits), roman);
    }

    void lenientReading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qlonglong>("value");
        QTest::newRow("digit text 12") << "0 12" << 12LL;
        QTest::newRow("digit text 7") << "00 7" << 7LL;
        QTest::newRow("digit text 0") << "00 0" << 0LL;
        QTest::newRow("2047") << "2047" << 2047LL;
        QTest::newRow("blanks anywhere") << " 1 2 3 " << 123LL;
        QTest::newRow("stops at letter") << "12ab3" << 12LL;
        QTest::newRow("no number") << "PM" << 0LL;
        QTest::newRow("colon first") << ":7" << 0LL;
        QTest::newRow("empty") << "" << 0LL;
        QTest::newRow("negative") << "-25" << -25LL;
        QTest::newRow("sign after digits") << "5-3" << 5LL;
        QTest::newRow("two signs") << "--3" << 0LL;
        QTest::newRow("held at the top") << "99999999999999999999999" << std::numeric_limits<qlonglong>::max();
    }
    void lenientReading()
    {
        QFETCH(QString, text);
        QFETCH(qlonglong, value);
        QCOMPARE(LenientNumber(text), value);
    }

    void numberText_data()
    {
        QTest::addColumn<qlonglong>("number");
        QTest::addColumn<QString>("text");
        QTest::newRow("60") << 60LL << " 60";
        QTest::newRow("0") << 0LL << " 0";
        QTest::newRow("-25") << -25LL << "-25";
        QTest::newRow("-5") << -5LL << "-5";
        QTest::newRow("32760") << 32760LL << " 32760";
    }
    void numberText()
    {
        QFETCH(qlonglong, number);
        QFETCH(QString, text);
        QCOMPARE(NumberText(number), text);
    }

    // The generator's value decides the number: n = floor(3999 r + 0.5) over
    // the whole range, von + floor((bis - von) r + 0.5) over a smaller one.
    void drawEnds_data()
    {
        QTest::addColumn<int>("von");
        QTest::addColumn<int>("bis");
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("number");
        QTest::newRow("0") << 0 << 3999 << 0.0f << 0;
        QTest::newRow("just below 0.5/3999") << 0 << 3999 << std::nextafter(AtLeast(0.5 / 3999), 0.0f) << 0;
        QTest::newRow("0.5/3999 rounds up") << 0 << 3999 << AtLeast(0.5 / 3999) << 1;
        QTest::newRow("half") << 0 << 3999 << 0.5f << 2000;
        QTest::newRow("just below 3998.5/3999") << 0 << 3999 << std::nextafter(AtLeast(3998.5 / 3999), 0.0f)
                                                << 3998;
        QTest::newRow("3998.5/3999") << 0 << 3999 << AtLeast(3998.5 / 3999) << 3999;
        QTest::newRow("just below 1") << 0 << 3999 << std::nextafter(1.0f, 0.0f) << 3999;
        QTest::newRow("1-20: 0") << 1 << 20 << 0.0f << 1;
        QTest::newRow("1-20: 18.5/19") << 1 << 20 << AtLeast(18.5 / 19) << 20;
        QTest::newRow("1-20: just below 1") << 1 << 20 << std::nextafter(1.0f, 0.0f) << 20;
    }
    void drawEnds()
    {
        QFETCH(int, von);
        QFETCH(int, bis);
        QFETCH(float, r);
        QFETCH(int, number);
        FixedRandom random;
        random.next = r;
        FixedClock clock;
        NumeralEngine engine(random, clock, NumberRange{von, bis});
        QCOMPARE(engine.DrawNumber(), number);
        QCOMPARE(random.reseeds, 1);
        // An engine made without a range draws from the whole one.
        if (NumberRange{von, bis}.IsWhole()) {
            NumeralEngine wholeByDefault(random, clock);
            QCOMPARE(wholeByDefault.DrawNumber(), number);
        }
    }

    // Generator values spread over [0, 1) give every number of the range,
    // its ends included, and nothing outside it.
    void drawCoversRange_data()
    {
        QTest::addColumn<int>("von");
        QTest::addColumn<int>("bis");
        QTest::newRow("1-20") << 1 << 20;
        QTest::newRow("3990-3999") << 3990 << 3999;
        QTest::newRow("one number") << 5 << 5;
        QTest::newRow("whole") << 0 << 3999;
    }
    void drawCoversRange()
    {
        QFETCH(int, von);
        QFETCH(int, bis);
        FixedRandom random;
        FixedClock clock;
        NumeralEngine engine(random, clock, NumberRange{von, bis});
        std::vector<int> seen(4000);
        constexpr int kSteps = 200000;
        for (int i = 0; i <= kSteps; ++i) {
            random.next = i < kSteps ? static_cast<float>(double(i) / kSteps) : std::nextafter(1.0f, 0.0f);
            const int n = engine.DrawNumber();
            if (n < von || n > bis)
                QFAIL(qPrintable(QStringLiteral("r = %1 gave %2").arg(double(random.next)).arg(n)));
            ++seen[n];
        }
        for (int n = von; n <= bis; ++n)
            QVERIFY2(seen[n] > 0, qPrintable(QStringLiteral("%1 never came up").arg(n)));
        // The ends come up about half as often as a number between them.
        if (bis - von >= 2) {
            const double ratio = double(seen[von]) / seen[von + 1];
            QVERIFY2(ratio > 0.4 && ratio < 0.6, qPrintable(QString::number(ratio)));
        }
    }

    // The argument is the lenient reading of the time text's last two
    // characters; 0 leaves the generator where it is.
    void drawArgumentFromTime_data()
    {
        QTest::addColumn<QString>("time");
        QTest::addColumn<qlonglong>("argument");
        QTest::newRow("24-hour") << "14:05:33" << 33LL;
        QTest::newRow("second 00") << "14:05:00" << 0LL;
        QTest::newRow("second 07") << "14:05:07" << 7LL;
        QTest::newRow("12-hour PM") << "2:05:33 PM" << 0LL;
        QTest::newRow("12-hour German marker") << "2:05:33 nachm." << 0LL;
        QTest::newRow("single-digit seconds") << "14:5:7" << 0LL;
        QTest::newRow("blank before digit") << "14:05: 9" << 9LL;
    }
    void drawArgumentFromTime()
    {
        QFETCH(QString, time);
        QFETCH(qlonglong, argument);
        FixedRandom random;
        random.current = 0.25f;
        random.next = 0.75f;
        FixedClock clock;
        clock.text = time;
        NumeralEngine engine(random, clock);
        const int n = engine.DrawNumber();
        QCOMPARE(random.arguments.size(), size_t(1));
        QCOMPARE(random.arguments.front(), argument);
        QCOMPARE(random.advances, argument > 0 ? 1 : 0);
        QCOMPARE(n, argument > 0 ? 2999 : 1000);
    }

    // The program's generator: values in [0, 1), 0 returns the current value
    // again, a positive argument moves on, and a reseed gives a new current
    // value, so draws in second 00 still differ.
    void generatorContract()
    {
        TimerSeededRandom random;
        random.Seed(42);
        const float first = random.Rnd(0);
        QCOMPARE(random.Rnd(0), first);
        const float second = random.Rnd(5);
        QVERIFY(second != first);
        QCOMPARE(random.Rnd(0), second);
        random.Seed(42);
        QCOMPARE(random.Rnd(0), first);
        QCOMPARE(random.Rnd(1), second); // advancing by any amount is one step

        QSet<float> afterReseed;
        for (int i = 0; i < 100; ++i) {
            random.Randomize();
            afterReseed.insert(random.Rnd(0));
        }
        QVERIFY2(afterReseed.size() >= 99, "reseeding must give a fresh current value");
    }

    void generatorIsUniform()
    {
        TimerSeededRandom random;
        random.Seed(7);
        int buckets[10] = {};
        constexpr int kDraws = 100000;
        for (int i = 0; i < kDraws; ++i) {
            const float r = random.Rnd(1);
            QVERIFY(r >= 0.0f && r < 1.0f);
            ++buckets[static_cast<int>(r * 10)];
        }
        for (int count : buckets)
            QVERIFY2(std::abs(count - (kDraws / 10)) < kDraws / 100, "values spread evenly over [0, 1)");
    }

    // Draws made back to back with the real generator and clock differ.
    void realDrawsDiffer()
    {
        TimerSeededRandom random;
        SystemTimeOfDay clock;
        NumeralEngine engine(random, clock);
        QSet<int> seen;
        for (int i = 0; i < 1000; ++i) {
            const int n = engine.DrawNumber();
            QVERIFY(n >= 0 && n <= 3999);
            seen.insert(n);
        }
        QVERIFY2(seen.size() >= 800, qPrintable(QStringLiteral("only %1 distinct").arg(seen.size())));
    }

    // The time text: hours, minutes and seconds in the locale's format,
    // without a time-zone name.
    void timeText_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("German") << "de_DE" << "14:05:33";
        QTest::newRow("English (US)") << "en_US" << "2:05:33 PM";
        QTest::newRow("C") << "C" << "14:05:33";
    }
    void timeText()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QCOMPARE(TimeOfDayText(QLocale(locale), QTime(14, 5, 33)), text);
    }
};

QTEST_APPLESS_MAIN(TestNumeral)
#include "test_numeral.moc"
