// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The physical keyboard presses the on-screen keys. Every key of the keyboard
// that stands for a button clicks that button, so the button's own click
// handler runs, exactly as for a click with the mouse; a hidden or disabled
// button is not pressed. The focus stays where it is. Where neither "OK" nor
// "Neue Zahl" can be pressed, Return presses the focused button.

#include "form1.h"

#include "returnkey.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QKeySequence>
#include <QList>
#include <QPushButton>
#include <QShortcut>

namespace {

// Qt already leaves the shortcut of a hidden or disabled button inactive;
// the keys check it themselves all the same, the Return key above all,
// whose shortcut belongs to the window.
bool Pressable(const QAbstractButton *button)
{
    return button->isVisible() && button->isEnabled();
}

// One shortcut on the button for all the keys that press it.
void PressOnKeys(QAbstractButton *button, const QList<QKeySequence> &keys)
{
    auto *shortcut = new QShortcut(button);
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setKeys(keys);
    // click(), not animateClick(): every key press is one click at once,
    // also when the learner types faster than the press animation.
    QObject::connect(shortcut, &QShortcut::activated, button, [button] {
        if (Pressable(button))
            button->click();
    });
}

// A letter key answers to its letter in lower and in upper case.
void PressOnLetter(QAbstractButton *button, Qt::Key letter)
{
    PressOnKeys(button, {QKeySequence(letter), QKeySequence(Qt::SHIFT | letter)});
}

// A digit key answers to its digit on the main row and on the keypad. The
// keypad is named as well, rather than left to the platform's key mapping.
void PressOnDigit(QAbstractButton *button, Qt::Key digit)
{
    PressOnKeys(button, {QKeySequence(digit), QKeySequence(Qt::KeypadModifier | digit)});
}

} // namespace

void Form1::ConnectKeyboard()
{
    PressOnLetter(Command4, Qt::Key_M);
    PressOnLetter(Command5, Qt::Key_D);
    PressOnLetter(Command6, Qt::Key_C);
    PressOnLetter(Command7, Qt::Key_L);
    PressOnLetter(Command8, Qt::Key_X);
    PressOnLetter(Command9, Qt::Key_V);
    PressOnLetter(Command10, Qt::Key_I);

    PressOnDigit(Command12, Qt::Key_1);
    PressOnDigit(Command13, Qt::Key_2);
    PressOnDigit(Command14, Qt::Key_3);
    PressOnDigit(Command15, Qt::Key_4);
    PressOnDigit(Command16, Qt::Key_5);
    PressOnDigit(Command17, Qt::Key_6);
    PressOnDigit(Command18, Qt::Key_7);
    PressOnDigit(Command19, Qt::Key_8);
    PressOnDigit(Command20, Qt::Key_9);
    PressOnDigit(Command21, Qt::Key_0);

    PressOnKeys(Command11, {QKeySequence(Qt::Key_Backspace)});

    // Return and Enter press "OK" while it can be pressed, else "Neue Zahl",
    // else (once the game is lost) the focused button: the lost button.
    OnReturn(this, [this] {
        if (Pressable(Command3))
            Command3->click();
        else if (Pressable(Command1))
            Command1->click();
        else
            PressFocusedButton(this);
    });
}

void Form1::keyPressEvent(QKeyEvent *event)
{
    // Only keys that pressed nothing arrive here: a key of a hidden or
    // disabled button. The screen reader says why.
    LayoutWindow::keyPressEvent(event);
    SayKeyDoesNothing(event);
}

QAbstractButton *Form1::KeyboardButton(const QKeyEvent *event) const
{
    const QKeySequence pressed(event->keyCombination());
    for (const QShortcut *shortcut : findChildren<QShortcut *>()) {
        auto *button = qobject_cast<QAbstractButton *>(shortcut->parent());
        if (button && shortcut->keys().contains(pressed))
            return button;
    }
    return nullptr;
}
