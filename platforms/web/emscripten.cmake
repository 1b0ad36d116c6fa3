# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Building for the browser with Debian's emscripten: its own toolchain file,
# and what every program of the project is linked with on top of what Qt's
# libraries ask for:
# - what Qt's own qt_add_executable() would add: the JavaScript helpers
#   Qt's platform calls, and Qt's initial memory;
# - the programs run in a web page only: none of emscripten's code for
#   Node.js or workers goes into them;
# - every byte is downloaded before the first frame: binaryen's optimiser
#   runs for size (-Oz, after the build type's -O3);
# - no JavaScript made from a string while it runs (embind's functions for
#   Qt's calls into the page otherwise are), which the pages' policy
#   (policy.cmake) forbids.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

set(CMAKE_EXE_LINKER_FLAGS_INIT
    "-sEXPORTED_RUNTIME_METHODS=UTF16ToString,stringToUTF16 -sINITIAL_MEMORY=50MB -sENVIRONMENT=web -Oz -sDYNAMIC_EXECUTION=0")
