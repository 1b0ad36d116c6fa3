# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads,
# which C++ threads and Qt need). Every executable links statically: the C++
# runtime, libgcc and winpthread go into the .exe, so it imports only DLLs
# that every Windows has.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(RZ_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${RZ_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${RZ_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${RZ_MINGW_TRIPLET}-windres)

# Headers and libraries come from the MinGW sysroot (and the prefixes the
# caller adds); programs run during the build come from the build machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${RZ_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
