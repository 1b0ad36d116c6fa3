// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's windows with fixed draws and an end of the program that is
// only recorded, so a test process can play whole games.

#include "fakes.h"
#include "form1.h"
#include "form2.h"
#include "numeral.h"
#include "program.h"

#include <QCoreApplication>
#include <QEvent>

#include <initializer_list>
#include <memory>

struct Harness {
    ScriptedRandom random;
    FixedClock clock;
    NumeralEngine engine{random, clock};
    int endRequests = 0;
    int exitCode = -1;
    Program program{engine, [this](int code) {
                        ++endRequests;
                        exitCode = code;
                    }};

    // Starts the program as main() does.
    Form1 &Start() { return program.ShowExercise(); }

    Form1 *exercise() const { return program.exercise(); }
    Form2 *gameOver() const { return program.gameOver(); }

    void Draw(std::initializer_list<int> numbers)
    {
        for (int n : numbers)
            random.numbers.push_back(n);
    }

    // Lets the toolkit finish destroying unloaded windows.
    static void FinishDeletions() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};
