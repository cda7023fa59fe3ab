# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

# Validates the metainfo as strictly as appstreamcli can: the file alone
# (METAINFO), or a package's whole installed tree as lintian does (TREE). The
# one finding allowed is the missing home page: the project has no public one
# yet.
#   cmake -DAPPSTREAMCLI=… -DMETAINFO=…|-DTREE=… -P check_metainfo.cmake
if(DEFINED TREE)
    set(validate validate-tree --no-net --pedantic "${TREE}")
else()
    set(validate validate --no-net --pedantic "${METAINFO}")
endif()
execute_process(
    COMMAND "${APPSTREAMCLI}" ${validate}
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("${output}")
string(REGEX MATCHALL "(^|\n) *[EWIP]: [^\n]*" findings "${output}")
list(FILTER findings EXCLUDE REGEX "url-homepage-missing")
if(findings)
    message(FATAL_ERROR "appstreamcli found: ${findings}")
endif()
if(NOT status EQUAL 0 AND NOT output MATCHES "url-homepage-missing")
    message(FATAL_ERROR "appstreamcli failed (${status}) without saying why")
endif()
