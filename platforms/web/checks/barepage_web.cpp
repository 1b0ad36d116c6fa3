// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The bare page of ./dev web-bench: the baseline window (baseline.h), built
// for the browser as the game is and loaded by the same page, in the face
// the game brings along (a page has no other). It tells the page when it
// has been drawn for the first time, at the browser's next frame after its
// first paint, as the game does.

#include "baseline.h"
#include "bundledfaces.h"
#include "firstpaint.h"

#include <QApplication>

#include <emscripten/html5.h>
#include <emscripten/val.h>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    UseBundledFaceByDefault();
    QWidget window;
    baseline::Build(window);
    window.show();
    new FirstPaint(&window, [] {
        emscripten_request_animation_frame(
            [](double, void *) -> EM_BOOL {
                emscripten::val::module_property("rzFirstFrame")();
                return EM_FALSE;
            },
            nullptr);
    });
    return QApplication::exec();
}
