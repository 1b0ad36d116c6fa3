# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Run by cpack before it packs the files it has installed into its staging
# folder (CPACK_PRE_BUILD_SCRIPTS). Where SOURCE_DATE_EPOCH is set, as
# ./dev release sets it to the commit's time, every file and folder there
# gets that time, and the permissions a umask of 022 gives (rw-r--r--, or
# rwxr-xr-x for folders and programs): an archive records both, and neither
# should depend on when or by whom it was built.

if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  return()
endif()
if(NOT IS_DIRECTORY "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
  message(FATAL_ERROR "staged-files.cmake: no staging folder ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
execute_process(COMMAND chmod -R u+rwX,go=rX "${CPACK_TEMPORARY_INSTALL_DIRECTORY}"
                COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND find "${CPACK_TEMPORARY_INSTALL_DIRECTORY}" -exec
                        touch -h -d "@$ENV{SOURCE_DATE_EPOCH}" {} +
                COMMAND_ERROR_IS_FATAL ANY)
