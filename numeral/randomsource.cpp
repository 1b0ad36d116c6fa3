// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "randomsource.h"

#include <chrono>

namespace {

std::uint64_t Mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

// The top 24 bits of a word as a float in [0, 1): every value is exact in
// single precision, and 1.0 itself can never come out.
float ToUnit(std::uint64_t word)
{
    return static_cast<float>(word >> 40) * (1.0f / 16777216.0f);
}

} // namespace

TimerSeededRandom::TimerSeededRandom()
{
    Randomize();
}

void TimerSeededRandom::Seed(std::uint64_t state)
{
    state_ = state;
    current_ = ToUnit(Mix(state_));
}

void TimerSeededRandom::Randomize()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    const auto ns = static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
    // Fold the old state in too, so two reseeds within the timer's
    // resolution still part ways.
    Seed(Mix(ns) ^ (state_ * 0x9e3779b97f4a7c15ULL));
}

float TimerSeededRandom::Rnd(long long arg)
{
    if (arg > 0) {
        state_ += 0x9e3779b97f4a7c15ULL;
        current_ = ToUnit(Mix(state_));
    }
    return current_;
}
