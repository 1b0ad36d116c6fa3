// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The keypad: each letter or digit key appends its caption to its box;
// "Löschen" removes the last character of the answer box.

#include "form1.h"

#include "textbox.h"

#include <QPushButton>

void Form1::AppendCaption(TextBox *box, const QPushButton *key)
{
    // Whole text read, caption appended at the end, text assigned back: the
    // box's maximum length cuts what does not fit.
    box->setText(box->text() + key->text());
    SayAnswer();
}

void Form1::Command4_Click() { AppendCaption(Text3, Command4); }
void Form1::Command5_Click() { AppendCaption(Text3, Command5); }
void Form1::Command6_Click() { AppendCaption(Text3, Command6); }
void Form1::Command7_Click() { AppendCaption(Text3, Command7); }
void Form1::Command8_Click() { AppendCaption(Text3, Command8); }
void Form1::Command9_Click() { AppendCaption(Text3, Command9); }
void Form1::Command10_Click() { AppendCaption(Text3, Command10); }
void Form1::Command12_Click() { AppendCaption(Text2, Command12); }
void Form1::Command13_Click() { AppendCaption(Text2, Command13); }
void Form1::Command14_Click() { AppendCaption(Text2, Command14); }
void Form1::Command15_Click() { AppendCaption(Text2, Command15); }
void Form1::Command16_Click() { AppendCaption(Text2, Command16); }
void Form1::Command17_Click() { AppendCaption(Text2, Command17); }
void Form1::Command18_Click() { AppendCaption(Text2, Command18); }
void Form1::Command19_Click() { AppendCaption(Text2, Command19); }
void Form1::Command20_Click() { AppendCaption(Text2, Command20); }
void Form1::Command21_Click() { AppendCaption(Text2, Command21); }

void Form1::RemoveLastCharacter(TextBox *box)
{
    // The length is taken once; both tests use it.
    const auto length = box->text().size();
    if (length > 1)
        box->setText(box->text().left(length - 1));
    if (length == 1)
        box->setText(QString());
}

void Form1::Command11_Click()
{
    if (mode == ArabicToRoman)
        RemoveLastCharacter(Text3);
    if (mode == RomanToArabic)
        RemoveLastCharacter(Text2);
    SayAnswer();
}
