# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Windows package: one zip that a school unpacks and starts, no
# installer. cpack -G ZIP packs into roemische-zahlen-<version>-windows-x64/:
#   roemische-zahlen.exe              the game, self-contained (static Qt and
#                                     C++ runtime), stripped
#   LIESMICH.txt                      what the game is, how to start it, keys
#   Lizenzen/GPL-3.0-or-later.txt     the game's licence
#   Lizenzen/Qt/                      Qt's licences (LGPL-3.0, the GPL-3.0 it
#                                     builds on) and those of the libraries
#                                     Qt brings along
#   roemische-zahlen-<version>-quelltext.zip   the game's source, as committed

# The Qt the game is linked with: its version, and the Debian source package
# it was built from where the build of Qt recorded it.
set(RZ_QT_VERSION ${Qt6_VERSION})
set(RZ_QT_DEBIAN_VERSION "")
if(EXISTS "${QT6_INSTALL_PREFIX}/source-package.txt")
  file(STRINGS "${QT6_INSTALL_PREFIX}/source-package.txt" RZ_QT_DEBIAN_VERSION LIMIT_COUNT 1)
endif()
if(RZ_QT_DEBIAN_VERSION STREQUAL "")
  set(RZ_QT_DEBIAN_VERSION "(unbekannt)")
endif()

# With Windows' line ends; the template begins with the byte-order mark by
# which every Notepad reads the text as UTF-8.
set(RZ_LIESMICH ${CMAKE_CURRENT_BINARY_DIR}/LIESMICH.txt)
configure_file(${CMAKE_CURRENT_LIST_DIR}/LIESMICH.txt.in ${RZ_LIESMICH} @ONLY NEWLINE_STYLE CRLF)

install(FILES ${RZ_LIESMICH} DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt DESTINATION Lizenzen)
if(EXISTS "${QT6_INSTALL_PREFIX}/licenses")
  install(DIRECTORY ${QT6_INSTALL_PREFIX}/licenses/ DESTINATION Lizenzen/Qt)
else()
  message(WARNING "This Qt has no licences folder: the zip would lack Qt's licence texts")
endif()

# The source of the release: what is committed, as git archive packs it.
set(RZ_SOURCE_ZIP ${CMAKE_CURRENT_BINARY_DIR}/roemische-zahlen-${RZ_VERSION_TEXT}-quelltext.zip)
find_package(Git REQUIRED)
add_custom_target(source_zip ALL
  COMMAND ${GIT_EXECUTABLE} -C ${PROJECT_SOURCE_DIR} archive --format=zip
          --prefix=roemische-zahlen-${RZ_VERSION_TEXT}/ -o ${RZ_SOURCE_ZIP} HEAD
  BYPRODUCTS ${RZ_SOURCE_ZIP}
  COMMENT "Packing the committed source"
  VERBATIM)
install(FILES ${RZ_SOURCE_ZIP} DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME roemische-zahlen-${RZ_VERSION_TEXT}-windows-x64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
