# The release this tree makes is the one debian/changelog names first: its
# version (x.y.z) and the day its entry was signed, in ISO form. The build,
# the manual pages, the metainfo and the Windows files all take them from
# here, so a new release is one changelog entry.
function(read_release changelog)
    file(STRINGS "${changelog}" lines REGEX "^[a-z0-9][a-z0-9.+-]* \\(|^ -- ")
    list(GET lines 0 heading)
    list(GET lines 1 signature)
    if(NOT heading MATCHES "\\(([0-9]+\\.[0-9]+\\.[0-9]+)\\)")
        message(FATAL_ERROR "${changelog}: the first entry's version is not x.y.z: ${heading}")
    endif()
    set(RELEASE_VERSION "${CMAKE_MATCH_1}" PARENT_SCOPE)
    if(NOT signature MATCHES ", ([0-9]?[0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
        message(FATAL_ERROR "${changelog}: the first entry's date is unreadable: ${signature}")
    endif()
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(FIND months "${CMAKE_MATCH_2}" month)
    math(EXPR month "${month} + 101")
    math(EXPR day "${CMAKE_MATCH_1} + 100")
    string(SUBSTRING "${month}" 1 2 month)
    string(SUBSTRING "${day}" 1 2 day)
    set(RELEASE_DATE "${CMAKE_MATCH_3}-${month}-${day}" PARENT_SCOPE)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${changelog}")
endfunction()
