// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Playing the exercise window as a learner who knows the answer.

#include "form1.h"
#include "numeral.h"
#include "textbox.h"

#include <QPushButton>

// The answer to the exercise on show, as the learner types it: the Roman
// numeral, or the bare digits of the digit text ("0 12" gives "12").
inline QString ExpectedAnswer(const Form1 &form)
{
    const QString expected = form.Text6->text();
    return form.mode == Form1::RomanToArabic ? QString::number(LenientNumber(expected)) : expected;
}

// The key of the keypad with caption c that the learner can press, else null.
inline QPushButton *KeyFor(const Form1 &form, QChar c)
{
    for (QPushButton *key : form.findChildren<QPushButton *>())
        if (key->text() == QString(c) && key->isVisible() && key->isEnabled())
            return key;
    return nullptr;
}
