# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

# Installs the build into a scratch DESTDIR and checks that every file a
# desktop needs to list, start and show the program is there and agrees.
#   cmake -DBUILD_DIR=… -DAPP_ID=… -DSCRATCH=… -P check_install.cmake
file(REMOVE_RECURSE "${SCRATCH}")
execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env "DESTDIR=${SCRATCH}"
            "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix /usr
    RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
    message(FATAL_ERROR "install failed")
endif()

set(root "${SCRATCH}/usr")
set(hicolor "${root}/share/icons/hicolor")
set(desktop "${root}/share/applications/${APP_ID}.desktop")
foreach(path "${root}/games/bandit-manchot" "${desktop}"
        "${root}/share/metainfo/${APP_ID}.metainfo.xml"
        "${hicolor}/scalable/apps/${APP_ID}.svg"
        "${root}/share/man/man6/bandit-manchot.6" "${root}/share/man/fr/man6/bandit-manchot.6")
    if(NOT EXISTS "${path}")
        message(FATAL_ERROR "missing: ${path}")
    endif()
endforeach()

# Each PNG is as wide and as high as the folder it stands in says.
foreach(size 16 32 48 64 128 256)
    set(png "${hicolor}/${size}x${size}/apps/${APP_ID}.png")
    if(NOT EXISTS "${png}")
        message(FATAL_ERROR "missing: ${png}")
    endif()
    file(READ "${png}" header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 32 8 width)
    string(SUBSTRING "${header}" 40 8 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    if(NOT width EQUAL size OR NOT height EQUAL size)
        message(FATAL_ERROR "${png} is ${width} x ${height}, not ${size} x ${size}")
    endif()
endforeach()

# The desktop entry names the icon and the program that were installed; the
# program by its name alone, found on the PATH whatever the prefix.
file(STRINGS "${desktop}" icon REGEX "^Icon=")
if(NOT icon STREQUAL "Icon=${APP_ID}")
    message(FATAL_ERROR "the desktop entry says ${icon}, not Icon=${APP_ID}")
endif()
file(STRINGS "${desktop}" exec REGEX "^Exec=")
string(REGEX REPLACE "^Exec=([^ ]*).*" "\\1" program "${exec}")
if(NOT EXISTS "${root}/games/${program}")
    message(FATAL_ERROR "the desktop entry starts ${program}, which was not installed")
endif()
file(READ "${desktop}" entry)
if(NOT entry MATCHES "\nCategories=([^\n]*;)?Game;")
    message(FATAL_ERROR "the desktop entry is not listed under Game")
endif()
file(REMOVE_RECURSE "${SCRATCH}")
