// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "returnkey.h"

#include <QPushButton>
#include <QShortcut>
#include <QWidget>

QList<QKeySequence> ReturnKeys()
{
    return {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter),
            QKeySequence(Qt::KeypadModifier | Qt::Key_Enter)};
}

bool PressFocusedButton(QWidget *window)
{
    auto *button = qobject_cast<QPushButton *>(window->focusWidget());
    if (!button || button->window() != window || !button->isVisible() || !button->isEnabled())
        return false;
    button->click();
    return true;
}

void PressFocusedButtonOnReturn(QWidget *window)
{
    auto *shortcut = new QShortcut(window);
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setKeys(ReturnKeys());
    QObject::connect(shortcut, &QShortcut::activated, window, [window] { PressFocusedButton(window); });
}
