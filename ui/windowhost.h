// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class Form1;
class Form2;

// What the windows reach of the program that owns them: loading, showing and
// unloading the two windows, and ending the program.
class WindowHost {
public:
    virtual ~WindowHost() = default;

    // Shows the exercise window, loading it first (layout, then Form_Load)
    // when it is not loaded.
    virtual Form1 &ShowExercise() = 0;
    // Destroys the exercise window with all its controls. The destruction
    // may complete once the running handler has returned.
    virtual void UnloadExercise() = 0;
    // Shows the game-over window, loading it the first time.
    virtual Form2 &ShowGameOver() = 0;
    // Ends the program at once with exit status 0.
    virtual void EndProgram() = 0;
};
