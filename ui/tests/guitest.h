// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Clicking through the real windows. Qt delivers a synthetic click to a
// hidden or disabled button too, or to one that another control covers; a
// learner cannot click it, so neither may a test.

#include <QAbstractButton>
#include <QKeySequence>
#include <QTest>

// Whether a learner can click the button at its centre, where the tests
// click it.
inline bool Clickable(const QAbstractButton *button)
{
    if (!button || !button->isVisible() || !button->isEnabled())
        return false;
    const QWidget *window = button->window();
    if (!window->isVisible() || !window->isEnabled())
        return false;
    return window->childAt(button->mapTo(window, button->rect().center())) == button;
}

#define RZ_CLICK(button)                                                                        \
    do {                                                                                        \
        QAbstractButton *rzButton_ = (button);                                                  \
        QVERIFY2(Clickable(rzButton_),                                                          \
                 qPrintable(QStringLiteral("cannot click %1: hidden, disabled or covered")               \
                                .arg(rzButton_ ? rzButton_->objectName() : QStringLiteral("?")))); \
        QTest::mouseClick(rzButton_, Qt::LeftButton, Qt::NoModifier,                           \
                          rzButton_->rect().center());                                          \
    } while (false)

// Presses one key on the keyboard, delivered like a real key press to the
// widget that has the focus. A single character is typed as it is (upper
// case as with Caps Lock); anything else is a key name as Qt writes it,
// such as "Shift+M", "Num+1", "Return", "Backspace".
inline void PressKey(const QString &key)
{
    QWidget *const toFocus = nullptr;
    if (key.size() == 1) {
        QTest::keyClick(toFocus, key.at(0).toLatin1());
        return;
    }
    const QKeySequence sequence = QKeySequence::fromString(key, QKeySequence::PortableText);
    QVERIFY2(sequence.count() == 1, qPrintable(QStringLiteral("no key: ") + key));
    QTest::keyClick(toFocus, sequence[0].key(), sequence[0].keyboardModifiers());
}

// Gives a shown window the keyboard, as a desktop gives it to a window just
// shown, and waits until it has it. Returns whether it got it.
inline bool Activate(QWidget *window)
{
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}
