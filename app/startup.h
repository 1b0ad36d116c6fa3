#pragma once

#include <functional>

class QWidget;

// Runs the program: the application object, what the program tells the
// desktop about itself, the exercise window, the event loop. Returns the exit
// status. `shown`, when given, is called with the exercise window once it has
// been shown (the start-up benchmark watches its first paint).
int RunProgram(int &argc, char **argv, const std::function<void(QWidget &)> &shown = {});
