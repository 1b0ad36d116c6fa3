// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Clicking through the real windows. Qt delivers a synthetic click to a
// hidden or disabled button too, or to one that another control covers; a
// learner cannot click it, so neither may a test.

#include <QAbstractButton>
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
