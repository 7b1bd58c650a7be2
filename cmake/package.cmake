# The Debian package of the install (scripts/package.sh, or cpack -G DEB in
# the build folder): corvane_<version>-1_<arch>.deb, installed under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "draughts on the 8x8 board, in 2D and on 3D boards")
set(CPACK_PACKAGE_DESCRIPTION
    "Corvane 3D plays draughts on the 8x8 board: men move forward and capture forward and backward,\n"
    "kings fly along the diagonals, and capturing is compulsory. Play against the computer at nine\n"
    "levels or against a friend, on a 2D board or on eight 3D boards, with a registry of players and\n"
    "their ratings. corvane-cli gives the engine to scripts.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGE_CONTACT "Corvane 3D <corvane@example.org>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The libraries the programs link, found by dpkg-shlibdeps; Qt's platform
# plugins are loaded at run time and only recommended by Qt itself.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(CORVANE_WINDOW)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
  # Qt's own dialogs in the user's language; without it they speak English.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
endif()
# Most of the package is bitmaps, which xz packs to a fraction of their size.
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_STRIP_FILES ON)
include(CPack)
