// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the exercise window for the README: the real window, loaded through
// Program, in the middle of an exercise. Run on Qt's offscreen platform
// (./dev screenshot).
//
// usage: screenshot OUTPUT.png

#include "fakes.h"
#include "form1.h"
#include "identity.h"
#include "numeral.h"
#include "program.h"

#include <QApplication>
#include <QPushButton>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    IdentifyProgram();
    if (QCoreApplication::arguments().size() != 2) {
        std::fputs("usage: screenshot OUTPUT.png\n", stderr);
        return 2;
    }

    // Always 1994, so that the picture stays the same from run to run.
    ScriptedRandom random;
    random.last = 1994;
    FixedClock clock;
    NumeralEngine engine(random, clock);
    Program program(engine, [](int /*exitCode*/) {});
    Form1 &window = program.ShowExercise();
    // "Neue Zahl", then the first letters of the answer, MCM.
    for (QPushButton *button : {window.Command1, window.Command4, window.Command6, window.Command4})
        button->click();
    QApplication::processEvents();

    if (!window.grab().save(QCoreApplication::arguments().at(1))) {
        std::fprintf(stderr, "screenshot: cannot write %s\n", qPrintable(QCoreApplication::arguments().at(1)));
        return 1;
    }
    return 0;
}
