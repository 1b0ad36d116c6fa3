# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Content Security Policy of the pages (the game's, the teachers', the
# tests'), in a meta element of each, <meta http-equiv=
# "Content-Security-Policy" content="@RZ_POLICY@">: the browser loads and
# connects to nothing but the page's own origin, compiles WebAssembly only
# from there, and runs and styles nothing inline but the page's own scripts
# and styles, named by their hashes as the page is served. So no font,
# script, picture or beacon from elsewhere can come in, not even by a later
# change of a page. Included by assemble.cmake; as a script (cmake -P), it
# fills in the policy of the page RZ_PAGE.

string(CONCAT RZ_POLICY_TEXT
  "default-src 'none'; script-src 'self' 'wasm-unsafe-eval'SCRIPTS; style-src STYLES; connect-src 'self'; "
  "img-src 'self'; manifest-src 'self'; worker-src 'self'; object-src 'none'; base-uri 'none'; "
  "form-action 'none'")

# The hash of a text as a policy names it: 'sha256-<base64 of the digest>'.
function(rz_policy_hash text out)
  string(SHA256 hex "${text}")
  set(digits "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/")
  set(base64 "")
  # Three bytes (six hex digits) make four digits of base64; the last two
  # bytes of the 32 make three and a "=".
  foreach(at RANGE 0 63 6)
    string(SUBSTRING "${hex}" ${at} 6 group)
    string(LENGTH "${group}" length)
    math(EXPR value "0x${group} << (6 - ${length}) * 4")
    math(EXPR count "(${length} * 4 + 5) / 6")
    foreach(shift 18 12 6 0)
      if(count GREATER 0)
        math(EXPR digit "(${value} >> ${shift}) & 63")
        string(SUBSTRING "${digits}" ${digit} 1 char)
        string(APPEND base64 "${char}")
        math(EXPR count "${count} - 1")
      endif()
    endforeach()
  endforeach()
  set(${out} "'sha256-${base64}='" PARENT_SCOPE)
endfunction()

# The hashes of every <tag>…</tag> in the page (inline: no attributes),
# each after a space.
function(rz_policy_inline page tag out)
  set(hashes "")
  set(rest "${page}")
  string(LENGTH "<${tag}>" skip)
  string(FIND "${rest}" "<${tag}>" start)
  while(start GREATER -1)
    math(EXPR start "${start} + ${skip}")
    string(SUBSTRING "${rest}" ${start} -1 rest)
    string(FIND "${rest}" "</${tag}>" end)
    string(SUBSTRING "${rest}" 0 ${end} body)
    rz_policy_hash("${body}" hash)
    string(APPEND hashes " ${hash}")
    string(SUBSTRING "${rest}" ${end} -1 rest)
    string(FIND "${rest}" "<${tag}>" start)
  endwhile()
  set(${out} "${hashes}" PARENT_SCOPE)
endfunction()

# Fills in the policy of the page file, from its inline scripts and styles.
function(rz_page_policy file)
  file(READ "${file}" page)
  rz_policy_inline("${page}" script scripts)
  rz_policy_inline("${page}" style styles)
  string(STRIP "${styles}" styles)
  if(styles STREQUAL "")
    set(styles "'none'")
  endif()
  string(REPLACE "SCRIPTS" "${scripts}" policy "${RZ_POLICY_TEXT}")
  string(REPLACE "STYLES" "${styles}" policy "${policy}")
  string(REPLACE "@RZ_POLICY@" "${policy}" page "${page}")
  file(WRITE "${file}" "${page}")
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  rz_page_policy("${RZ_PAGE}")
endif()
