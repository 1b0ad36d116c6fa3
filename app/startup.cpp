// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startup.h"

#include "commandline.h"
#include "identity.h"
#include "nowindow.h"
#include "numeral.h"
#include "platform.h"
#include "program.h"
#include "randomsource.h"
#include "timeofday.h"

#include <QApplication>

int RunProgram(int &argc, char **argv, const std::function<void(Program &)> &started)
{
    // --help, --version and a wrong command line are answered before the
    // application object exists: they need no display.
    GameSettings given;
    if (const std::optional<int> answered = AnswerCommandLine(argc, argv, given))
        return *answered;

    // Where no window can be shown, the program ends with its reason in one
    // German line and status 1 (nowindow.h).
    NoWindowGuard noWindow(argc, argv);
    PrepareForPlatform();
    QApplication app(argc, argv);
    if (!noWindow.Started())
        return kNoWindowStatus;
    IdentifyProgram();
    // The program ends only through "Ende" or a window's frame.
    QApplication::setQuitOnLastWindowClosed(false);
    AdaptToPlatform();

    TimerSeededRandom random;
    SystemTimeOfDay clock;
    const GameSettings settings = SettingsOnPlatform(given);
    NumeralEngine engine(random, clock, settings.range);
    Program program(engine, &EndOnPlatform, settings.direction);
    program.ShowExercise();
    if (started)
        started(program);
    return QApplication::exec();
}
