// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "OK": the answer is compared with the expected answer as text, the verdict
// written, the score changed, and the game lost when the score falls below 0.

#include "form1.h"

#include "numeral.h"
#include "optionbutton.h"
#include "textbox.h"

#include <QPushButton>

#include <limits>

namespace {

const QString kRight = QStringLiteral("Richtig");
const QString kWrong = QStringLiteral("Falsch");
const QString kLost = QStringLiteral("VERLOREN");

// Adds to a 16-bit score unless the sum would leave the 16-bit range; then
// the score keeps its value.
void AddGuarded(qint16 &score, int amount)
{
    const int sum = score + amount;
    if (sum > std::numeric_limits<qint16>::max() || sum < std::numeric_limits<qint16>::min())
        return;
    score = static_cast<qint16>(sum);
}

} // namespace

void Form1::Command3_Click()
{
    if (mode == ArabicToRoman)
        Text5->setText(Text3->text() == Text6->text() ? kRight : kWrong);
    if (mode == RomanToArabic) {
        // The expected digit text becomes its bare digits: "0 12" becomes "12".
        const long long v = LenientNumber(Text6->text());
        const QString digits = NumberText(v);
        if (v < 10)
            Text6->setText(digits.right(1));
        if (9 < v && v < 100)
            Text6->setText(digits.right(2));
        if (99 < v && v < 1000)
            Text6->setText(digits.right(3));
        if (999 < v && v < 10000)
            Text6->setText(digits.right(4));
        Text5->setText(Text2->text() == Text6->text() ? kRight : kWrong);
    }
    if (Text5->text() == kRight)
        AddGuarded(points, 10);
    if (Text5->text() == kWrong)
        AddGuarded(points, -25);
    if (Text5->text() == kWrong)
        Text6->setVisible(true);
    if (points < 0)
        EnterLostState();
    Text4->setText(NumberText(points));
    Command3->setEnabled(false);
    Command1->setEnabled(true);
    Option1->setEnabled(true);
    Option2->setEnabled(true);
    SayVerdict();
}

void Form1::EnterLostState()
{
    Text5->setText(kLost);
    Command22->setVisible(true);
    Command22->setEnabled(true);
    for (QPushButton *button : {Command4, Command5, Command6, Command7, Command8, Command9,
                                Command10, Command12, Command13, Command14, Command15,
                                Command16, Command17, Command18, Command19, Command20,
                                Command21, Command1, Command2, Command3, Command11})
        button->setVisible(false);
    Option1->setVisible(false);
    Option2->setVisible(false);
}
