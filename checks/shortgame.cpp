// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shortgame.h"

#include "firstpaint.h"
#include "numeral.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Fail(const char *step)
{
    std::fprintf(stderr, "short game: %s\n", step);
    std::exit(1);
}

void Expect(bool holds, const char *step)
{
    if (!holds)
        Fail(step);
}

// The shown window of that layout name, else null.
QWidget *ShownWindow(const char *name)
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String(name) && window->isVisible())
            return window;
    return nullptr;
}

template <typename Control>
Control *ControlOf(const QWidget *window, const char *name)
{
    auto *control = window->findChild<Control *>(QLatin1String(name));
    if (!control)
        Fail(name);
    return control;
}

// What a text box shows; a hidden one shows nothing.
QString Shown(const QWidget *window, const char *box)
{
    const auto *edit = ControlOf<QTextEdit>(window, box);
    return edit->isVisible() ? edit->toPlainText() : QString();
}

int Points(const QWidget *window)
{
    return Shown(window, "Text4").trimmed().toInt();
}

// Clicks a button the learner can click: shown and enabled.
void Click(const QWidget *window, const char *name)
{
    auto *button = ControlOf<QAbstractButton>(window, name);
    Expect(button->isVisible() && button->isEnabled(), name);
    button->click();
}

bool RomanToArabic(const QWidget *form)
{
    return ControlOf<QRadioButton>(form, "Option2")->isChecked();
}

// The answer to the question on show, worked out from the question itself:
// the Roman numeral of the digits in "Arabisch:", or the number whose Roman
// numeral stands in "Römisch:".
QString RightAnswer(const QWidget *form)
{
    if (!RomanToArabic(form))
        return ToRoman(Shown(form, "Text2"));
    const QString roman = Shown(form, "Text3");
    for (int n = 0; n <= 3999; ++n)
        if (ToRoman(PaddedDigits(n)) == roman)
            return QString::number(n);
    Fail("the question is no Roman numeral of 0 to 3999");
}

// Types the answer on the keypad of the current direction, one click per
// character, and presses "OK".
void Answer(const QWidget *form, const QString &answer)
{
    for (const QChar c : answer) {
        QPushButton *key = nullptr;
        for (QPushButton *candidate : form->findChildren<QPushButton *>())
            if (candidate->text() == QString(c) && candidate->isVisible() && candidate->isEnabled())
                key = candidate;
        Expect(key != nullptr, "no key to press for a character of the answer");
        key->click();
    }
    Click(form, "Command3");
}

void AnswerRight(const QWidget *form)
{
    Answer(form, RightAnswer(form));
    Expect(Shown(form, "Text5") == QLatin1String("Richtig"), "a right answer was not judged right");
}

// Four "I" are never a Roman numeral, and four "0" never the bare digits of a
// number: either answer is wrong whatever was drawn.
void AnswerWrong(const QWidget *form)
{
    Answer(form, RomanToArabic(form) ? QStringLiteral("0000") : QStringLiteral("IIII"));
    Expect(Shown(form, "Text5") != QLatin1String("Richtig"), "a wrong answer was judged right");
    Expect(!Shown(form, "Text6").isEmpty() || RightAnswer(form).isEmpty(),
           "the solution is not shown after a wrong answer");
}

void NewNumber(const QWidget *form)
{
    Click(form, "Command1");
    Expect(ControlOf<QPushButton>(form, "Command3")->isEnabled(), "OK is not enabled after Neue Zahl");
    Expect(Shown(form, "Text6").isEmpty(), "the solution is shown with the question");
}

} // namespace

void PlayShortGame()
{
    QTimer::singleShot(300000, [] { Fail("timed out"); });

    QWidget *first = ShownWindow("Form1");
    Expect(first != nullptr, "no exercise window on show");
    new FirstPaint(first, [first] {
        Expect(Points(first) == 50 && !RomanToArabic(first), "start-up state");
        NewNumber(first);
        AnswerRight(first);
        Expect(Points(first) == 60, "score after a right answer");
        Click(first, "Option2");
        Expect(RomanToArabic(first), "direction after Option2");
        NewNumber(first);
        AnswerRight(first);
        Expect(Points(first) == 70, "score after the second right answer");
        // Three wrong answers: 45, 20, -5 and the game is lost.
        for (int i = 0; i < 3; ++i) {
            NewNumber(first);
            AnswerWrong(first);
        }
        Expect(Points(first) == -5, "score after three wrong answers");
        Click(first, "Command22");
        // The exercise window is unloaded once this handler has returned.
        QTimer::singleShot(0, [] {
            Expect(ShownWindow("Form1") == nullptr, "exercise window still shown after the lost button");
            const QWidget *over = ShownWindow("Form2");
            Expect(over != nullptr, "game-over window not shown");
            Click(over, "Command1");
            QWidget *again = ShownWindow("Form1");
            Expect(again != nullptr && Points(again) == 50, "new game");
            new FirstPaint(again, [again] {
                NewNumber(again);
                AnswerRight(again);
                Expect(Points(again) == 60, "score in the new game");
                Click(again, "Command2");
            });
        });
    });
}
