#pragma once

#include <QIcon>

// What the program tells the platform about itself: its name, its version
// ("1.00"), the id of its desktop entry and its icon, which both windows
// show. Called once at start-up, after the application object is made and
// before the first window.
void IdentifyProgram();

// The program's icon, drawn from its SVG at the sizes desktops ask for.
QIcon ProgramIcon();
