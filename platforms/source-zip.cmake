# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What the packages of the Windows and the web version share: what is known
# of the Qt linked in, for the licence notes, and the game's source as it
# is committed, which they carry (the LGPL asks that a program linked
# statically with Qt can be linked again with a changed Qt).

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
set(RZ_QT_LICENCES "${QT6_INSTALL_PREFIX}/licenses")
if(NOT EXISTS "${RZ_QT_LICENCES}")
  message(WARNING "This Qt has no licences folder: the package would lack Qt's licence texts")
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
