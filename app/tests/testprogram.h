#pragma once

// The real program for tests: the real windows, loaded and shown through
// Program, with a draw that the test decides and an end of the program that
// is recorded instead of carried out.

#include "numeral.h"
#include "program.h"
#include "randomsource.h"
#include "timeofday.h"

#include <QAbstractButton>
#include <QList>
#include <QPoint>
#include <QTest>

class DecidedRandom final : public RandomSource {
public:
    void Randomize() override {}
    float Rnd(long long) override { return value; }
    float value = 0.0f;
};

class FixedClock final : public TimeOfDay {
public:
    QString TimeText() const override { return QStringLiteral("14:05:33"); }
};

class TestProgram {
public:
    // The next "Neue Zahl" draws this number (0 to 3999).
    void DrawNext(int number) { random_.value = static_cast<float>(number / 3999.0); }

    Program &program() { return program_; }
    // The exit codes the program asked to end with.
    const QList<int> &ends() const { return ends_; }

private:
    DecidedRandom random_;
    FixedClock clock_;
    NumeralEngine engine_{random_, clock_};
    QList<int> ends_;
    Program program_{engine_, [this](int exitCode) { ends_.append(exitCode); }};
};

// Clicks a button with the mouse, as the learner would; refuses a button the
// learner could not click, since Qt would click it anyway.
inline bool ClickAsLearner(QAbstractButton *button)
{
    if (!button || !button->isVisible() || !button->isEnabled())
        return false;
    // Near the left edge: inside an option button's indicator as well.
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier,
                      QPoint(qMin(8, button->width() / 2), button->height() / 2));
    return true;
}
