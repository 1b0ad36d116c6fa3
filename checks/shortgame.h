// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A short game from start to end, played as a learner plays it: through the
// windows on show, found by their layout names, reading only what they show.
// It waits for the exercise window's first paint, answers once right in each
// direction, loses the game with wrong answers, goes through the game-over
// window to a new game, answers once more and ends with "Ende".
//
// Call it once the program has shown its exercise window, from the program's
// own event loop. When a step does not go as the game's rules say, it names
// the step on the standard error and ends the process with status 1; so does
// a game that has not ended after five minutes.
void PlayShortGame();
