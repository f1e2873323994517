# `make package`: a Debian package of what cmake/install.cmake installs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME poruna)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT ${PORUNA_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arithmetic tutor for second-year pupils (Japanese)")
set(CPACK_PACKAGE_DESCRIPTION
    "ポルナ teaches the arithmetic of the second year of primary school with a
Japanese user interface: numbers to 10000, addition and subtraction, word
problems, lengths, multiplication and the times tables. Each topic explains
its problems step by step, tests the child's answers and judges them with a
sound; three drills time a series of problems and keep every answer.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_STRIP_FILES ON)
# The libraries the program links come from dpkg-shlibdeps; what Qt loads at
# run time is named here: the SQLite driver, the platform plugins that open a
# window, and the rounded gothic the screens ask for (or the CJK font Qt
# substitutes for it).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6sql6-sqlite, qt6-qpa-plugins, fonts-motoya-l-maruberi | fonts-noto-cjk")
# Without a sound server every cue is an error report; desktops have one.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pipewire-pulse | pulseaudio")
include(CPack)
