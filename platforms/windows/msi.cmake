# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the Windows Installer package from the zip: the zip's files,
# unpacked as they are, and roemische-zahlen.wxs around them, put together
# by wixl.
#
#   cmake -DZIP=<the zip> -DICON=<the game's .ico> -DVERSION=<as shown, 1.00>
#         -DOUTPUT=<package.msi> [-DWORK=<folder>] -P msi.cmake
#
# The build's msi target runs it with the game's version, once cpack has
# packed the zip; the install check runs it with a higher one, to see the
# package replaced.

cmake_minimum_required(VERSION 3.22)

foreach(variable ZIP ICON VERSION OUTPUT)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "msi.cmake needs -D${variable}=...")
  endif()
endforeach()
if(NOT DEFINED WORK)
  set(WORK ${OUTPUT}.files)
endif()
if(NOT VERSION MATCHES "^[0-9]+\\.[0-9][0-9]$")
  message(FATAL_ERROR "msi.cmake: the version is written as the game shows it, such as 1.00, not ${VERSION}")
endif()
if(NOT EXISTS ${ZIP})
  message(FATAL_ERROR "msi.cmake: no zip ${ZIP} (cpack -G ZIP packs it)")
endif()

# The same for every version, for good: by it a version finds the one it
# replaces. Each version is a product of its own, with a code of its own.
set(UPGRADE_CODE 1B5013D4-E922-44CF-863C-9D83F26EDB1E)
string(UUID PRODUCT_CODE NAMESPACE ${UPGRADE_CODE} NAME "Römische Zahlen ${VERSION}" TYPE SHA1 UPPER)
# Each package of other bytes needs a package code of its own, and the same
# files of the same version give the same package: it is made from the
# version and the zip (which holds the game and its source as committed).
file(SHA256 ${ZIP} zip_hash)
string(UUID PACKAGE_CODE NAMESPACE ${UPGRADE_CODE} NAME "Paket ${VERSION} ${zip_hash}" TYPE SHA1 UPPER)

find_program(WIXL wixl REQUIRED)
find_program(MSIBUILD msibuild REQUIRED)

# The files as the zip holds them, the same bytes: its one top folder.
file(REMOVE_RECURSE ${WORK})
file(ARCHIVE_EXTRACT INPUT ${ZIP} DESTINATION ${WORK}/zip)
file(GLOB top LIST_DIRECTORIES true ${WORK}/zip/*)
list(LENGTH top tops)
if(NOT tops EQUAL 1 OR NOT EXISTS ${top}/roemische-zahlen.exe OR NOT EXISTS ${top}/Handbuch.html)
  message(FATAL_ERROR "msi.cmake: ${ZIP} holds no one folder with roemische-zahlen.exe and Handbuch.html")
endif()
set(STAGE ${WORK}/stage)
file(RENAME ${top} ${STAGE})

# Every file but the game and the handbook, which roemische-zahlen.wxs
# places itself with their Start-menu entries, each a component in its
# folder. Identifiers are made from the path, so that they stay the same
# from build to build.
file(GLOB_RECURSE files RELATIVE ${STAGE} LIST_DIRECTORIES false ${STAGE}/*)
list(REMOVE_ITEM files roemische-zahlen.exe Handbuch.html)
list(SORT files)
function(folder_id path out)
  if(path STREQUAL "")
    set(${out} INSTALLDIR PARENT_SCOPE)
  else()
    string(MD5 hash "${path}")
    set(${out} d${hash} PARENT_SCOPE)
  endif()
endfunction()
set(folders_made)
set(fragment "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Wix xmlns=\"http://schemas.microsoft.com/wix/2006/wi\">\n  <Fragment>\n")
set(group "")
foreach(file IN LISTS files)
  get_filename_component(folder "${file}" DIRECTORY)
  # The folder, and the folders above it, once each.
  set(path "")
  string(REPLACE "/" ";" parts "${folder}")
  foreach(part IN LISTS parts)
    folder_id("${path}" parent)
    if(path STREQUAL "")
      set(path "${part}")
    else()
      set(path "${path}/${part}")
    endif()
    if(NOT path IN_LIST folders_made)
      list(APPEND folders_made "${path}")
      folder_id("${path}" id)
      string(APPEND fragment "    <DirectoryRef Id=\"${parent}\"><Directory Id=\"${id}\" Name=\"${part}\"/></DirectoryRef>\n")
    endif()
  endforeach()
  folder_id("${folder}" id)
  string(MD5 hash "${file}")
  string(APPEND fragment "    <DirectoryRef Id=\"${id}\"><Component Id=\"c${hash}\" Guid=\"*\" Win64=\"yes\">"
                         "<File Id=\"f${hash}\" Source=\"$(var.Stage)/${file}\" KeyPath=\"yes\"/>"
                         "</Component></DirectoryRef>\n")
  string(APPEND group "      <ComponentRef Id=\"c${hash}\"/>\n")
endforeach()
string(APPEND fragment "  </Fragment>\n  <Fragment>\n    <ComponentGroup Id=\"Files\">\n${group}    </ComponentGroup>\n  </Fragment>\n</Wix>\n")
file(WRITE ${WORK}/files.wxs "${fragment}")

# wixl finds files by paths relative to where it runs, not by full paths.
get_filename_component(here ${CMAKE_CURRENT_LIST_FILE} DIRECTORY)
configure_file(${ICON} ${WORK}/roemische-zahlen.ico COPYONLY)
# wixl dates the package's summary (created, last saved) by the clock;
# where SOURCE_DATE_EPOCH is set (./dev release), the clock it reads stands
# still at that time.
set(clock)
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  find_program(FAKETIME faketime REQUIRED)
  string(TIMESTAMP frozen "%Y-%m-%d %H:%M:%S" UTC)
  set(clock ${CMAKE_COMMAND} -E env TZ=UTC ${FAKETIME} -f ${frozen})
endif()
file(REMOVE ${OUTPUT})
execute_process(COMMAND ${clock} ${WIXL} --arch x64 -o ${OUTPUT}
                        -D Version=${VERSION} -D ProductCode=${PRODUCT_CODE} -D UpgradeCode=${UPGRADE_CODE}
                        -D Stage=stage -D Icon=roemische-zahlen.ico
                        ${here}/roemische-zahlen.wxs files.wxs
                WORKING_DIRECTORY ${WORK}
                COMMAND_ERROR_IS_FATAL ANY)

# wixl writes the summary's template as English and its strings in UTF-8,
# where the summary says Windows-1252 (the package's code page, in which its
# tables are written). The template is set to German (1031), and the
# strings Explorer shows are written anew in Windows-1252. The package code
# is the one made above.
string(ASCII 246 o_umlaut)
execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C
                        ${MSIBUILD} ${OUTPUT} -s "R${o_umlaut}mische Zahlen ${VERSION}"
                        "The R${o_umlaut}mische Zahlen developers" "x64;1031" "{${PACKAGE_CODE}}"
                COMMAND_ERROR_IS_FATAL ANY)
