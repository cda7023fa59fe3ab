# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

# The program's icon, rendered from assets/icon.svg into PNGs at build time:
# the windows take them from the program's resources, the desktop from the
# hicolor theme, so nothing needs an SVG plugin at run time to show it.
# svgicons renders them; it runs on the machine that builds, so a build for
# another system (Windows, from Debian) is given one built for this machine.
if(CMAKE_CROSSCOMPILING)
    set(SVGICONS "" CACHE FILEPATH "svgicons built for the machine that builds")
    if(NOT EXISTS "${SVGICONS}")
        message(FATAL_ERROR "A cross build needs -DSVGICONS=<svgicons built for this machine>")
    endif()
else()
    add_executable(svgicons "${CMAKE_CURRENT_LIST_DIR}/svgicons.cpp")
    target_link_libraries(svgicons PRIVATE Qt6::Gui Qt6::Svg project_warnings)
    set(SVGICONS $<TARGET_FILE:svgicons>)
endif()

set(APP_ICON_SVG "${PROJECT_SOURCE_DIR}/assets/icon.svg")
set(APP_ICON_SIZES 16 32 48 64 128 256)

# Renders SVG stretched over SIZE (N, or WxH) pixels into OUTPUT at build time.
function(render_png svg size output)
    get_filename_component(folder "${output}" DIRECTORY)
    get_filename_component(name "${svg}" NAME_WE)
    add_custom_command(OUTPUT "${output}"
        COMMAND "${CMAKE_COMMAND}" -E make_directory "${folder}"
        COMMAND ${SVGICONS} png ${size} "${svg}" "${output}"
        DEPENDS ${SVGICONS} "${svg}"
        COMMENT "Rendering ${name} at ${size} px"
        VERBATIM)
endfunction()

# One PNG a size, laid out as the hicolor theme wants them.
# The windows carry the sizes up to 64 px: title bars and task bars draw
# their icon no larger at 200 %, and every size more is sent to the window
# system at start-up (the 256 px one alone is 256 kB). Larger uses take the
# installed theme's icon.
set(APP_ICON_DIR "${PROJECT_BINARY_DIR}/icons")
set(APP_ICON_PNGS)
set(APP_WINDOW_ICON_PNGS)
foreach(size IN LISTS APP_ICON_SIZES)
    set(png "${APP_ICON_DIR}/${size}x${size}/${APP_ID}.png")
    render_png("${APP_ICON_SVG}" ${size} "${png}")
    list(APPEND APP_ICON_PNGS "${png}")
    if(size LESS_EQUAL 64)
        list(APPEND APP_WINDOW_ICON_PNGS "${png}")
    endif()
endforeach()
add_custom_target(icons ALL DEPENDS ${APP_ICON_PNGS})
