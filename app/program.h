// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form1.h"
#include "form2.h"
#include "gamesettings.h"
#include "windowhost.h"

#include <QPointer>

#include <functional>

class Form1;
class Form2;
class NumeralEngine;

// Owns the two windows of the program: loads, shows and unloads them, and
// passes the request to end the program on to the function given at start
// (in the running program EndOnPlatform, platform.h). Every exercise window
// it loads starts in the direction given: Roman to Arabic is selected once
// the window's own start-up is done, as the learner would select it.
class Program final : public WindowHost {
public:
    using EndFunction = std::function<void(int exitCode)>;

    Program(NumeralEngine &engine, EndFunction end, Direction startDirection = Direction::ArabicToRoman);
    ~Program() override;
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    Form1 &ShowExercise() override;
    void UnloadExercise() override;
    Form2 &ShowGameOver() override;
    void EndProgram() override;

    // The exercise window while it is loaded, else null.
    Form1 *exercise() const { return exercise_.data(); }
    // The game-over window once it has been loaded, else null.
    Form2 *gameOver() const { return gameOver_.data(); }
    bool endRequested() const { return endRequested_; }

private:
    NumeralEngine &engine_;
    EndFunction end_;
    Direction startDirection_;
    QPointer<Form1> exercise_;
    QPointer<Form2> gameOver_;
    bool endRequested_ = false;
};
