// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where no window can be shown: the program was started with no graphical
// desktop, or on a platform that does not exist or does not start. Qt ends
// such a start with an English message and an abort while it makes the
// application object; a platform that starts without a screen, later. This
// guard, around the making of the application object, ends it instead with
// one German line on the standard error, which says what is missing and
// what helps, and with exit status 1.
//
// It holds back every message Qt gives meanwhile: where the start fails,
// they are part of the failure, which the line says; where it succeeds,
// they are passed on as Qt would have given them.
class NoWindowGuard {
public:
    // Before the application object: reads which platform the command line
    // and the environment ask for, and watches Qt's messages.
    NoWindowGuard(int argc, char **argv);
    // Once the application object stands: whether it has a screen to show
    // a window on. Where it has, passes the held messages on; where it has
    // none, says so in the German line instead. From here on Qt's messages
    // go where they went before.
    bool Started();
    // Gives Qt's messages back to where they went before, where Started()
    // was not reached.
    ~NoWindowGuard();

    NoWindowGuard(const NoWindowGuard &) = delete;
    NoWindowGuard &operator=(const NoWindowGuard &) = delete;
};

// The exit status of a start where no window can be shown.
constexpr int kNoWindowStatus = 1;
