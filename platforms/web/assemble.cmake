# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Assembles the folder a web server serves (web.cmake): the page, the
# program, the service worker with the list of the files it keeps, the
# icons, precompressed copies, and the release's files and licences.
# Run by cmake -P with the variables web.cmake passes.

include("${RZ_WEB_SOURCE}/policy.cmake")
# Each page's policy is filled in once the page is configured, from its
# inline scripts and styles.
set(RZ_POLICY "@RZ_POLICY@")

file(REMOVE_RECURSE "${RZ_SITE}")
file(MAKE_DIRECTORY "${RZ_SITE}")

foreach(suffix js wasm)
  file(COPY "${RZ_PROGRAM_DIR}/${RZ_MODULE}.${suffix}" DESTINATION "${RZ_SITE}")
endforeach()
file(SIZE "${RZ_SITE}/${RZ_MODULE}.wasm" RZ_WASM_BYTES)
configure_file("${RZ_WEB_SOURCE}/index.html.in" "${RZ_SITE}/index.html" @ONLY)
rz_page_policy("${RZ_SITE}/index.html")
file(COPY "${RZ_WEB_SOURCE}/manifest.webmanifest" DESTINATION "${RZ_SITE}")
file(COPY_FILE "${RZ_ICON_SVG}" "${RZ_SITE}/icon.svg")
foreach(size 192 512)
  file(COPY_FILE "${RZ_ICON_DIR}/${size}.png" "${RZ_SITE}/icon-${size}.png")
endforeach()

# What the service worker keeps: everything the page loads. A new build
# gets a cache of its own, named by a hash of these files.
set(cached index.html ${RZ_MODULE}.js ${RZ_MODULE}.wasm manifest.webmanifest
           icon.svg icon-192.png icon-512.png)
set(pages index.html)
# The teachers' page, with the QR code's script.
if(RZ_QRCODE_JS)
  configure_file("${RZ_WEB_SOURCE}/lehrkraefte.html.in" "${RZ_SITE}/lehrkraefte.html" @ONLY)
  rz_page_policy("${RZ_SITE}/lehrkraefte.html")
  file(COPY_FILE "${RZ_QRCODE_JS}" "${RZ_SITE}/qrcode.js")
  list(APPEND cached lehrkraefte.html qrcode.js)
  list(APPEND pages lehrkraefte.html qrcode.js)
endif()
# The handbook, to be read without a network too.
if(RZ_HANDBOOK)
  file(COPY_FILE "${RZ_HANDBOOK}" "${RZ_SITE}/Handbuch.html")
  list(APPEND cached Handbuch.html)
  list(APPEND pages Handbuch.html)
endif()
set(hashes "")
set(listed "\"./\"")
foreach(name IN LISTS cached)
  file(SHA256 "${RZ_SITE}/${name}" hash)
  string(APPEND hashes "${hash} ${name}\n")
  string(APPEND listed ", \"${name}\"")
endforeach()
string(SHA256 RZ_BUILD_ID "${hashes}")
string(SUBSTRING "${RZ_BUILD_ID}" 0 16 RZ_BUILD_ID)
set(RZ_CACHED_FILES "${listed}")
configure_file("${RZ_WEB_SOURCE}/sw.js.in" "${RZ_SITE}/sw.js" @ONLY)

# Precompressed copies of what is worth it, for servers that serve them.
foreach(name ${pages} ${RZ_MODULE}.js ${RZ_MODULE}.wasm sw.js)
  execute_process(COMMAND "${RZ_GZIP}" -9 -n -k -f "${RZ_SITE}/${name}" COMMAND_ERROR_IS_FATAL ANY)
  if(RZ_BROTLI)
    execute_process(COMMAND "${RZ_BROTLI}" -q 11 -k -f "${RZ_SITE}/${name}" COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()

foreach(file IN LISTS RZ_RELEASE)
  file(COPY "${file}" DESTINATION "${RZ_SITE}")
endforeach()
foreach(licence IN LISTS RZ_LICENCES)
  if(IS_DIRECTORY "${licence}")
    file(COPY "${licence}/" DESTINATION "${RZ_SITE}/Lizenzen/Qt")
  elseif(licence MATCHES "/node-qrcode-generator/copyright$")
    file(COPY_FILE "${licence}" "${RZ_SITE}/Lizenzen/qrcode-generator.txt")
  elseif(EXISTS "${licence}")
    file(COPY "${licence}" DESTINATION "${RZ_SITE}/Lizenzen")
  endif()
endforeach()

file(TOUCH "${RZ_SITE}/.assembled")
