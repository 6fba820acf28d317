# The Debian package, made by `cpack -G DEB` in the build folder
# (scripts/package.sh does that).
set(CPACK_PACKAGE_NAME corvanta)
set(CPACK_PACKAGE_VERSION ${CORVANTA_VERSION})
set(CPACK_PACKAGE_VENDOR "The Corvanta developers")
set(CPACK_PACKAGE_CONTACT "The Corvanta developers <corvanta@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "practice plans and a drill library for a sports coach")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Corvanta keeps a coach's drill library, the team's list of players, daily practice plans "
    "with running clock times, game evaluations, scouting reports and practice teams, and "
    "prints every list and document.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "")
# The shared libraries come from dpkg-shlibdeps; the X platform plugin and the
# fonts the printouts measure with are named here, as no library links them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
# The practice run's sounds go through Qt Multimedia's audio output, which
# speaks to a PulseAudio sound server itself (no media plugin); without one
# the run goes on silently.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pipewire-pulse | pulseaudio")
include(CPack)
