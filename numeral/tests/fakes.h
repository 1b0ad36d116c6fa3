#pragma once

// Stand-ins for the generator and the clock, so tests decide what is drawn.

#include "randomsource.h"
#include "timeofday.h"

#include <QString>

#include <cmath>
#include <deque>

// A generator value that the draw turns into the given number 0 to 3999.
inline float ValueForNumber(int number)
{
    return number >= 3999 ? std::nextafter(1.0f, 0.0f) : static_cast<float>(number / 3999.0);
}

// Hands out the numbers queued in `numbers`, one per advancing call; when
// the queue is empty, the last number again.
class ScriptedRandom final : public RandomSource {
public:
    void Randomize() override {}
    float Rnd(long long arg) override
    {
        if (arg > 0 && !numbers.empty()) {
            last = numbers.front();
            numbers.pop_front();
        }
        return ValueForNumber(last);
    }
    std::deque<int> numbers;
    int last = 0;
};

class FixedClock final : public TimeOfDay {
public:
    QString TimeText() const override { return text; }
    QString text = QStringLiteral("14:05:33");
};
