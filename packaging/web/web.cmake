# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The browser version: one folder that any web server serves as it stands,
# assembled in the build tree (web/roemische-zahlen-<version>-web/, which
# ./dev web-run serves) and packed by cpack -G ZIP into
# roemische-zahlen-<version>-web.zip:
#   index.html                the page: loads the program with a progress
#                             bar, fits it to the browser window, says in
#                             German where a browser cannot run it
#   roemische-zahlen.js       emscripten's part of the program, in JavaScript
#   roemische-zahlen.wasm     the program
#   *.gz, *.br                the page and the program, precompressed, for
#                             servers that serve such copies
#   sw.js                     the service worker: after the first visit the
#                             game starts without a network
#   manifest.webmanifest, icon.svg, icon-192.png, icon-512.png
#                             for the home screen of a tablet
#   LIESMICH.txt              for whoever puts it on a server
#   Lizenzen/                 the game's licence, the font's, Qt's and those
#                             of the libraries Qt brings along
#   roemische-zahlen-<version>-quelltext.zip   the game's source

include(${CMAKE_CURRENT_LIST_DIR}/../release.cmake)

find_program(RZ_GZIP gzip REQUIRED)
# Brotli copies where Debian's brotli is installed.
find_program(RZ_BROTLI brotli)

file(READ /usr/share/emscripten/emscripten-version.txt RZ_EMSCRIPTEN_VERSION)
string(STRIP "${RZ_EMSCRIPTEN_VERSION}" RZ_EMSCRIPTEN_VERSION)
string(REPLACE "\"" "" RZ_EMSCRIPTEN_VERSION "${RZ_EMSCRIPTEN_VERSION}")

# Known everywhere: rz_web_site() is called from other folders too.
set(RZ_WEB_SOURCE ${CMAKE_CURRENT_LIST_DIR} CACHE INTERNAL "")
# With Windows' line ends and the byte-order mark, as the Windows version's:
# many who unpack the zip read it in Notepad first.
set(RZ_LIESMICH ${CMAKE_CURRENT_BINARY_DIR}/LIESMICH.txt)
configure_file(${RZ_WEB_SOURCE}/LIESMICH.txt.in ${RZ_LIESMICH} @ONLY NEWLINE_STYLE CRLF)

# The page's icons: the SVG, and PNG images for the home screens that want
# them.
set(RZ_WEB_ICONS ${CMAKE_CURRENT_BINARY_DIR}/web-icons CACHE INTERNAL "")
set(RZ_WEB_ICON_SVG ${RZ_ICON_SVG} CACHE INTERNAL "")
add_custom_command(OUTPUT ${RZ_WEB_ICONS}/192.png ${RZ_WEB_ICONS}/512.png
  COMMAND iconrender --png ${RZ_ICON_SVG} ${RZ_WEB_ICONS} 192 512
  DEPENDS iconrender ${RZ_ICON_SVG}
  COMMENT "Drawing the page's icons from the SVG"
  VERBATIM)
add_custom_target(web_icons DEPENDS ${RZ_WEB_ICONS}/192.png ${RZ_WEB_ICONS}/512.png)

# Assembles the folder of a program built for the page: the game's, and the
# bare page of the benchmark (checks/). OPTIONS: extra files for its top
# (RELEASE ...), its licences (LICENCES ...), and ON_DEMAND for a folder
# that is built only when its target <target>_site is asked for.
function(rz_web_site target title site)
  cmake_parse_arguments(PARSE_ARGV 3 arg "ON_DEMAND" "" "RELEASE;LICENCES")
  set(stamp ${site}/.assembled)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND}
            -D RZ_WEB_SOURCE=${RZ_WEB_SOURCE}
            -D RZ_SITE=${site}
            -D RZ_MODULE=$<TARGET_FILE_BASE_NAME:${target}>
            -D RZ_PROGRAM_DIR=$<TARGET_FILE_DIR:${target}>
            -D RZ_PAGE_TITLE=${title}
            -D RZ_ICON_SVG=${RZ_WEB_ICON_SVG}
            -D RZ_ICON_DIR=${RZ_WEB_ICONS}
            -D RZ_GZIP=${RZ_GZIP}
            -D RZ_BROTLI=${RZ_BROTLI}
            "-D RZ_RELEASE=${arg_RELEASE}"
            "-D RZ_LICENCES=${arg_LICENCES}"
            -P ${RZ_WEB_SOURCE}/assemble.cmake
    DEPENDS ${target} web_icons ${RZ_WEB_SOURCE}/assemble.cmake ${RZ_WEB_SOURCE}/index.html.in
            ${RZ_WEB_SOURCE}/sw.js.in ${RZ_WEB_SOURCE}/manifest.webmanifest ${arg_RELEASE}
    COMMENT "Assembling the web page of ${target}"
    VERBATIM)
  if(arg_ON_DEMAND)
    add_custom_target(${target}_site DEPENDS ${stamp})
  else()
    add_custom_target(${target}_site ALL DEPENDS ${stamp})
  endif()
endfunction()

set(RZ_WEB_SITE ${PROJECT_BINARY_DIR}/web/roemische-zahlen-${RZ_VERSION_TEXT}-web)
rz_web_site(roemische-zahlen "Römische Zahlen" ${RZ_WEB_SITE}
  RELEASE ${RZ_LIESMICH} ${RZ_SOURCE_ZIP}
  LICENCES ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt ${PROJECT_SOURCE_DIR}/LICENSES/OFL-1.1.txt
           ${RZ_QT_LICENCES})
add_dependencies(roemische-zahlen_site source_zip)

# The tests that run in the browser (./dev web-test), with the page that
# runs one of them: web/tests/test.html?test=<name>.
set(RZ_WEB_TEST_DIR ${PROJECT_BINARY_DIR}/web/tests)
set(RZ_WEB_TEST_FILES ${RZ_WEB_TEST_DIR}/test.html)
add_custom_command(OUTPUT ${RZ_WEB_TEST_DIR}/test.html
  COMMAND ${CMAKE_COMMAND} -E copy ${RZ_WEB_SOURCE}/test.html ${RZ_WEB_TEST_DIR}/test.html
  DEPENDS ${RZ_WEB_SOURCE}/test.html
  VERBATIM)
foreach(test IN LISTS RZ_WEB_TESTS)
  set(files ${RZ_WEB_TEST_DIR}/${test}.js ${RZ_WEB_TEST_DIR}/${test}.wasm)
  add_custom_command(OUTPUT ${files}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${test}>
            $<TARGET_FILE_DIR:${test}>/$<TARGET_FILE_BASE_NAME:${test}>.wasm ${RZ_WEB_TEST_DIR}
    DEPENDS ${test}
    VERBATIM)
  list(APPEND RZ_WEB_TEST_FILES ${files})
endforeach()
add_custom_target(web_tests ALL DEPENDS ${RZ_WEB_TEST_FILES})

install(DIRECTORY ${RZ_WEB_SITE}/ DESTINATION . PATTERN .assembled EXCLUDE)
set(CPACK_GENERATOR ZIP)
# WebAssembly is no object file a strip tool knows; the build leaves out
# what is not needed.
set(CPACK_STRIP_FILES OFF)
set(CPACK_PACKAGE_FILE_NAME roemische-zahlen-${RZ_VERSION_TEXT}-web)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
