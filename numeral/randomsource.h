// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// The pseudo-random generator the draw relies on.
//
// Randomize() replaces the state with one taken from the system timer.
// Rnd(arg) returns a value r with 0 <= r < 1: with a positive argument the
// generator advances first and returns its next value; with 0 it returns its
// current value again.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void Randomize() = 0;
    virtual float Rnd(long long arg) = 0;
};

// The program's generator: a 64-bit state stepped by splitmix64 and seeded
// from a nanosecond timer. Right after a reseed the current value already
// stands for the new state, so a draw that does not advance (second 00) still
// gives a fresh number.
class TimerSeededRandom final : public RandomSource {
public:
    TimerSeededRandom();
    void Randomize() override;
    float Rnd(long long arg) override;

    // For tests of the generator itself: start from a known state.
    void Seed(std::uint64_t state);

private:
    std::uint64_t state_ = 0;
    float current_ = 0.0f;
};
