// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "returnkey.h"

#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QWidget>

#include <utility>

bool PressFocusedButton(QWidget *window)
{
    auto *button = qobject_cast<QPushButton *>(window->focusWidget());
    if (!button || button->window() != window || !button->isVisible() || !button->isEnabled())
        return false;
    button->click();
    return true;
}

void OnReturn(QWidget *window, std::function<void()> answer)
{
    auto *shortcut = new QShortcut(window);
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setKeys({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter),
                       QKeySequence(Qt::KeypadModifier | Qt::Key_Enter)});
    QObject::connect(shortcut, &QShortcut::activated, window, std::move(answer));
}
