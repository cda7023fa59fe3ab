# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

# The release this tree makes is the one debian/changelog names first: its
# version (x.y.z) and the day its entry was signed, in ISO form. The build,
# the manual pages, the metainfo and the Windows files all take them from
# here, so a new release is one changelog entry.

# The day of a changelog entry's signature line, in ISO form; empty if the
# line has none.
function(iso_date signature out_var)
    set(${out_var} "" PARENT_SCOPE)
    if(NOT signature MATCHES "^ -- .*, ([0-9]?[0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
        return()
    endif()
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(FIND months "${CMAKE_MATCH_2}" month)
    math(EXPR month "${month} + 101")
    math(EXPR day "${CMAKE_MATCH_1} + 100")
    string(SUBSTRING "${month}" 1 2 month)
    string(SUBSTRING "${day}" 1 2 day)
    set(${out_var} "${CMAKE_MATCH_3}-${month}-${day}" PARENT_SCOPE)
endfunction()

function(read_release changelog)
    file(STRINGS "${changelog}" lines REGEX "^[a-z0-9][a-z0-9.+-]* \\(|^ -- ")
    list(GET lines 0 heading)
    list(GET lines 1 signature)
    if(NOT heading MATCHES "\\(([0-9]+\\.[0-9]+\\.[0-9]+)\\)")
        message(FATAL_ERROR "${changelog}: the first entry's version is not x.y.z: ${heading}")
    endif()
    set(RELEASE_VERSION "${CMAKE_MATCH_1}" PARENT_SCOPE)
    iso_date("${signature}" date)
    if(NOT date)
        message(FATAL_ERROR "${changelog}: the first entry's date is unreadable: ${signature}")
    endif()
    set(RELEASE_DATE "${date}" PARENT_SCOPE)
    # Kept where the release's scripts read the version too, CMakeCache.txt.
    set(RELEASE_DATE "${date}" CACHE INTERNAL "The day the release's changelog entry names")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${changelog}")
endfunction()

# Every release of the changelog, newest first, as AppStream's <release>
# elements: its version, its day and its lines, which software centres show
# as what changed.
function(appstream_releases changelog out_var)
    file(STRINGS "${changelog}" lines)
    set(xml "")
    set(items "")
    foreach(line IN LISTS lines)
        # file(STRINGS) keeps a line whole by escaping its semicolons.
        string(REPLACE "\\;" ";" line "${line}")
        string(REPLACE "&" "&amp;" line "${line}")
        string(REPLACE "<" "&lt;" line "${line}")
        string(REPLACE ">" "&gt;" line "${line}")
        if(line MATCHES "^[a-z0-9][a-z0-9.+-]* \\(([^)]+)\\)")
            set(version "${CMAKE_MATCH_1}")
            set(items "")
        elseif(line MATCHES "^  [*] (.*)")
            if(NOT items STREQUAL "")
                string(APPEND items "</li>\n          ")
            endif()
            string(APPEND items "<li>${CMAKE_MATCH_1}")
        elseif(line MATCHES "^    +(.*)")
            string(APPEND items " ${CMAKE_MATCH_1}")
        elseif(line MATCHES "^ -- ")
            iso_date("${line}" date)
            string(APPEND xml "    <release version=\"${version}\" date=\"${date}\">\n"
                "      <description>\n        <ul>\n          ${items}</li>\n        </ul>\n"
                "      </description>\n    </release>\n")
        endif()
    endforeach()
    string(STRIP "${xml}" xml)
    set(${out_var} "${xml}" PARENT_SCOPE)
endfunction()
