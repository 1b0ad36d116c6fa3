// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "program.h"

#include "form1.h"
#include "form2.h"
#include "optionbutton.h"
#include "platform.h"

Program::Program(NumeralEngine &engine, EndFunction end, Direction startDirection)
    : engine_(engine), end_(std::move(end)), startDirection_(startDirection)
{
}

Program::~Program()
{
    delete exercise_;
    delete gameOver_;
}

Form1 &Program::ShowExercise()
{
    if (!exercise_) {
        exercise_ = new Form1(*this, engine_);
        exercise_->Form_Load();
        // Raises Option2_Click before returning.
        if (startDirection_ == Direction::RomanToArabic)
            exercise_->Option2->setChecked(true);
    }
    PresentWindow(exercise_);
    return *exercise_;
}

void Program::UnloadExercise()
{
    if (!exercise_)
        return;
    Form1 *window = exercise_;
    exercise_ = nullptr;
    window->hide();
    // Called from a handler of the window itself: the toolkit deletes it once
    // that handler has returned.
    window->deleteLater();
}

Form2 &Program::ShowGameOver()
{
    if (!gameOver_)
        gameOver_ = new Form2(*this);
    PresentWindow(gameOver_);
    return *gameOver_;
}

void Program::EndProgram()
{
    if (endRequested_)
        return;
    endRequested_ = true;
    if (exercise_)
        exercise_->hide();
    if (gameOver_)
        gameOver_->hide();
    end_(0);
}
