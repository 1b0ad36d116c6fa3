// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The short game (shortgame.h) played inside a program built without it, such
// as the installed one: a library for LD_PRELOAD.
//
//   LD_PRELOAD=librz-smokeplayer.so QT_QPA_PLATFORM=offscreen roemische-zahlen
//
// Once the program has made its application object and shown its exercise
// window, the game is played; the program ends through "Ende" with status 0,
// or with 1 and the step that went wrong on the standard error. Started
// without a window (--help, --version), the program does as it always does.

#include "shortgame.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

namespace {

// From the program's event loop: plays as soon as the exercise window is
// shown, which is before its first paint.
void PlayOnceShown()
{
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("Form1") && window->isVisible()) {
            PlayShortGame();
            return;
        }
    }
    QTimer::singleShot(10, &PlayOnceShown);
}

// Run by Qt while the application object is made.
void Start()
{
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        QTimer::singleShot(0, &PlayOnceShown);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(Start)
