// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The life of an exercise: start-up, the choice of direction, a new number,
// and the end of the program.

#include "form1.h"

#include "numeral.h"
#include "optionbutton.h"
#include "textbox.h"
#include "windowhost.h"

#include <QPushButton>

void Form1::ConnectHandlers()
{
    connect(Option1, &OptionButton::Click, this, &Form1::Option1_Click);
    connect(Option2, &OptionButton::Click, this, &Form1::Option2_Click);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &Form1::Command8_Click);
    connect(Command9, &QPushButton::clicked, this, &Form1::Command9_Click);
    connect(Command10, &QPushButton::clicked, this, &Form1::Command10_Click);
    connect(Command11, &QPushButton::clicked, this, &Form1::Command11_Click);
    connect(Command12, &QPushButton::clicked, this, &Form1::Command12_Click);
    connect(Command13, &QPushButton::clicked, this, &Form1::Command13_Click);
    connect(Command14, &QPushButton::clicked, this, &Form1::Command14_Click);
    connect(Command15, &QPushButton::clicked, this, &Form1::Command15_Click);
    connect(Command16, &QPushButton::clicked, this, &Form1::Command16_Click);
    connect(Command17, &QPushButton::clicked, this, &Form1::Command17_Click);
    connect(Command18, &QPushButton::clicked, this, &Form1::Command18_Click);
    connect(Command19, &QPushButton::clicked, this, &Form1::Command19_Click);
    connect(Command20, &QPushButton::clicked, this, &Form1::Command20_Click);
    connect(Command21, &QPushButton::clicked, this, &Form1::Command21_Click);
    connect(Command22, &QPushButton::clicked, this, &Form1::Command22_Click);
}

void Form1::Form_Load()
{
    Command22->setEnabled(false);
    Command22->setVisible(false);
    points = 50;
    Text4->setText(NumberText(points));
    // Raises Option1_Click before returning.
    Option1->setChecked(true);
}

void Form1::Option1_Click()
{
    SelectDirection(ArabicToRoman);
}

void Form1::Option2_Click()
{
    SelectDirection(RomanToArabic);
}

void Form1::SelectDirection(qint16 direction)
{
    mode = direction;
    Text2->setText(QString());
    Text3->setText(QString());
    Text5->setText(QString());
    Text6->setText(QString());
    const bool letters = direction == ArabicToRoman;
    for (QPushButton *key : {Command4, Command5, Command6, Command7, Command8, Command9, Command10})
        key->setEnabled(letters);
    for (QPushButton *key : {Command12, Command13, Command14, Command15, Command16, Command17,
                             Command18, Command19, Command20, Command21})
        key->setEnabled(!letters);
}

void Form1::Command1_Click()
{
    Text5->setText(QString());
    Text6->setVisible(false);
    const int n = engine_.DrawNumber();
    const QString p = PaddedDigits(n);
    if (mode == ArabicToRoman) {
        Text2->setText(p);
        Text3->setText(QString());
    }
    const QString r = ToRoman(p);
    if (mode == RomanToArabic) {
        Text2->setText(QString());
        Text3->setText(r);
    }
    if (mode == ArabicToRoman)
        Text6->setText(r);
    if (mode == RomanToArabic)
        Text6->setText(p);
    Command3->setEnabled(true);
    Command1->setEnabled(false);
    Option1->setEnabled(false);
    Option2->setEnabled(false);
    SayQuestion();
}

void Form1::Command2_Click()
{
    host_.EndProgram();
}
