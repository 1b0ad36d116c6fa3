# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Windows package: one zip that a school unpacks and starts, no
# installer. cpack -G ZIP packs into roemische-zahlen-<version>-windows-x64/:
#   roemische-zahlen.exe              the game, self-contained (static Qt and
#                                     C++ runtime), stripped
#   LIESMICH.txt                      what the game is, how to start it, keys
#   Handbuch.html                     the handbook, for pupils, teachers and
#                                     the school's IT, in any browser
#   Lizenzen/GPL-3.0-or-later.txt     the game's licence
#   Lizenzen/Qt/                      Qt's licences (LGPL-3.0, the GPL-3.0 it
#                                     builds on) and those of the libraries
#                                     Qt brings along
#   roemische-zahlen-<version>-quelltext.zip   the game's source, as committed

include(${CMAKE_CURRENT_LIST_DIR}/../source-zip.cmake)

# With Windows' line ends; the template begins with the byte-order mark by
# which every Notepad reads the text as UTF-8.
set(RZ_LIESMICH ${CMAKE_CURRENT_BINARY_DIR}/LIESMICH.txt)
configure_file(${CMAKE_CURRENT_LIST_DIR}/LIESMICH.txt.in ${RZ_LIESMICH} @ONLY NEWLINE_STYLE CRLF)

install(FILES ${RZ_LIESMICH} ${RZ_HANDBOOK} DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt DESTINATION Lizenzen)
if(EXISTS "${RZ_QT_LICENCES}")
  install(DIRECTORY ${RZ_QT_LICENCES}/ DESTINATION Lizenzen/Qt)
endif()
install(FILES ${RZ_SOURCE_ZIP} DESTINATION .)

set(CPACK_GENERATOR ZIP)
# The executable without its symbol table and debugging sections: half the
# size, and nothing a pupil's PC needs. The build tree keeps them.
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_FILE_NAME roemische-zahlen-${RZ_VERSION_TEXT}-windows-x64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
