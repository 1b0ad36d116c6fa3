// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A short game from start to end, played through the real windows as the
// program starts them: made for running the whole program under a memory
// checker. It waits for the exercise window's first paint, answers once right
// in each direction, loses the game with wrong answers, goes through the
// game-over window to a new game, answers once more and ends with "Ende".
//
// Prints nothing and exits with 0 when every step went as the game's rules
// say; otherwise names the step that went wrong and exits with 1.

#include "firstpaint.h"

#include "form1.h"
#include "form2.h"
#include "optionbutton.h"
#include "playing.h"
#include "program.h"
#include "startup.h"
#include "textbox.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Fail(const char *step)
{
    std::fprintf(stderr, "smokegame: %s\n", step);
    std::exit(1);
}

void Expect(bool holds, const char *step)
{
    if (!holds)
        Fail(step);
}

// Types the expected answer on the keypad of the current direction, one key
// click per character, and presses "OK".
void AnswerRight(Form1 &form)
{
    for (const QChar c : ExpectedAnswer(form)) {
        QPushButton *key = KeyFor(form, c);
        Expect(key != nullptr, "no key to press for a character of the answer");
        key->click();
    }
    form.Command3->click();
    Expect(form.Text5->text() == QLatin1String("Richtig"), "a right answer was not judged right");
}

// Four "I" are never a Roman numeral, and four "0" never the bare digits of a
// number: either answer is wrong whatever was drawn.
void AnswerWrong(Form1 &form)
{
    QPushButton *key = form.mode == Form1::ArabicToRoman ? form.Command10 : form.Command21;
    for (int i = 0; i < 4; ++i)
        key->click();
    form.Command3->click();
    Expect(form.Text5->text() != QLatin1String("Richtig"), "a wrong answer was judged right");
}

void NewNumber(Form1 &form)
{
    Expect(form.Command1->isEnabled(), "Neue Zahl is not enabled in Idle");
    form.Command1->click();
    Expect(form.Command3->isEnabled(), "OK is not enabled after Neue Zahl");
}

// The game, once the program has shown its exercise window.
void Play(Program &program)
{
    QTimer::singleShot(300000, [] { Fail("timed out"); });

    new FirstPaint(program.exercise(), [&program] {
        Form1 &form = *program.exercise();
        Expect(form.points == 50 && form.mode == Form1::ArabicToRoman, "start-up state");
        NewNumber(form);
        AnswerRight(form);
        Expect(form.points == 60, "score after a right answer");
        form.Option2->click();
        Expect(form.mode == Form1::RomanToArabic, "direction after Option2");
        NewNumber(form);
        AnswerRight(form);
        Expect(form.points == 70, "score after the second right answer");
        // Three wrong answers: 45, 20, -5 and the game is lost.
        for (int i = 0; i < 3; ++i) {
            NewNumber(form);
            AnswerWrong(form);
        }
        Expect(form.points == -5 && form.Command22->isVisible(), "lost state");
        form.Command22->click();
        // The exercise window is deleted once this handler has returned.
        QTimer::singleShot(0, [&program] {
            Expect(program.exercise() == nullptr, "exercise window still loaded after the lost button");
            Form2 *over = program.gameOver();
            if (!over || !over->isVisible())
                Fail("game-over window not shown");
            over->Command1->click();
            Form1 *again = program.exercise();
            if (!again || !again->isVisible() || again->points != 50)
                Fail("new game");
            new FirstPaint(again, [&program] {
                Form1 &form = *program.exercise();
                NewNumber(form);
                AnswerRight(form);
                Expect(form.points == 60, "score in the new game");
                form.Command2->click();
            });
        });
    });
}

} // namespace

int main(int argc, char *argv[])
{
    // Started as the program starts; only "Ende" leaves the event loop, and a
    // step that never comes ends the run by the timer above.
    return RunProgram(argc, argv, Play);
}
