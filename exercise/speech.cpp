// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the learner's screen reader says as the game goes on, short and in
// German, wherever the focus is: the new number, the answer after each key,
// the verdict with the score and, after a wrong answer, the solution; and
// why a key of the keyboard does nothing. A sighted learner reads all of it
// in the window; nothing here changes the window.

#include "form1.h"

#include "announce.h"
#include "numeral.h"
#include "spokentexts.h"
#include "textbox.h"

#include <QAbstractButton>
#include <QPushButton>

namespace {

QString Text(const char *spokenTemplate)
{
    return QString::fromUtf8(spokenTemplate);
}

// An empty box is said as such: 0 has no Roman numeral.
QString Said(const QString &text)
{
    return text.isEmpty() ? Text(spoken::kEmpty) : text;
}

} // namespace

TextBox *Form1::AnswerBox() const
{
    TextBox *box = nullptr;
    if (mode == ArabicToRoman)
        box = Text3;
    if (mode == RomanToArabic)
        box = Text2;
    return box;
}

void Form1::SayQuestion()
{
    if (!AnnouncementsHeard())
        return;
    QString question;
    // The digit text as a number is read: "0 12" is 12.
    if (mode == ArabicToRoman)
        question = QString::number(LenientNumber(Text2->text()));
    if (mode == RomanToArabic)
        question = Said(Text3->text());
    Announce(this, Text(spoken::kNewNumber).arg(question));
}

void Form1::SayAnswer()
{
    if (!AnnouncementsHeard())
        return;
    if (const TextBox *box = AnswerBox())
        Announce(this, Text(spoken::kAnswer).arg(Said(box->text())));
}

void Form1::SayVerdict()
{
    if (!AnnouncementsHeard())
        return;
    const QString verdict = Text5->text();
    const QString solution = Said(Text6->text());
    if (verdict == QLatin1String("Richtig"))
        Announce(this, Text(spoken::kRight).arg(points));
    if (verdict == QLatin1String("Falsch"))
        Announce(this, Text(spoken::kWrong).arg(solution, QString::number(points)));
    if (verdict == QLatin1String("VERLOREN"))
        Announce(this, Text(spoken::kLost).arg(solution, QString::number(points)));
}

void Form1::SayKeyDoesNothing(const QKeyEvent *event)
{
    if (!AnnouncementsHeard())
        return;
    const QAbstractButton *key = KeyboardButton(event);
    if (!key)
        return;
    // Once the game is lost every key is hidden; before, a key is disabled
    // only because it belongs to the other direction.
    if (Command22->isVisible())
        Announce(this, Text(spoken::kLostKey));
    else if (!key->isEnabled() && mode == RomanToArabic)
        Announce(this, Text(spoken::kArabicAsked));
    else if (!key->isEnabled() && mode == ArabicToRoman)
        Announce(this, Text(spoken::kRomanAsked));
}
