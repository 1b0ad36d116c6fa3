# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes the AppStream metainfo from its template. The build includes it;
# the packaging test runs it as a script (cmake -D... -P) to write the
# metainfo with and without a homepage.
#
# In:  RZ_METAINFO_TEMPLATE, RZ_METAINFO (the file written), RZ_APP_ID,
#      RZ_VERSION_TEXT, RZ_RELEASE_DATE, RZ_HOMEPAGE (may be empty).

# The developer is the project, under the reverse domain of the program's id.
string(REGEX REPLACE "\\.[^.]*$" "" RZ_DEVELOPER_ID "${RZ_APP_ID}")
set(RZ_DEVELOPER_NAME "The Römische Zahlen developers")

# The homepage only where the project has one: an empty RZ_HOMEPAGE leaves
# the element out rather than giving an address that is not the project's.
set(RZ_METAINFO_URLS "")
if(NOT RZ_HOMEPAGE STREQUAL "")
  if(NOT RZ_HOMEPAGE MATCHES "^https?://[^ \t\"<>]+$")
    message(FATAL_ERROR "RZ_HOMEPAGE is no web address: ${RZ_HOMEPAGE}")
  endif()
  string(REPLACE "&" "&amp;" homepage "${RZ_HOMEPAGE}")
  string(APPEND RZ_METAINFO_URLS "\n  <url type=\"homepage\">${homepage}</url>")
endif()

configure_file(${RZ_METAINFO_TEMPLATE} ${RZ_METAINFO} @ONLY)
