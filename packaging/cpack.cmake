# A Debian package of the program: cpack -G DEB in the build folder.
set(CPACK_PACKAGE_NAME "bandit-manchot")
set(CPACK_PACKAGE_VENDOR "Bandit Manchot")
# Whoever distributes the package names themselves: -DDEB_MAINTAINER="…".
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${DEB_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${APP_DISPLAY_NAME}")
set(CPACK_PACKAGE_DESCRIPTION
    "Un bandit manchot à trois rouleaux, avec une horloge numérique.\nA three-reel one-armed bandit with a digital clock; every text is in French.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What dpkg-shlibdeps cannot see: the fonts the layout is drawn for and the
# bell's sound theme; libcanberra is loaded at run time when it is there. The
# window icon is built in as PNGs, so no SVG plugin is needed to show it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, sound-theme-freedesktop")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libcanberra0, libcanberra-pulse, qt6-wayland")
include(CPack)
