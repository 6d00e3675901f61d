# The Debian package: cpack -G DEB in a build folder, after building. Installed under /usr as
# `cmake --install` would do it; its dependencies are the libraries the program links, as
# dpkg-shlibdeps finds them, and the font and xdg-open it uses at run time.
set(CPACK_PACKAGE_NAME marlix-pentro)
set(CPACK_PACKAGE_VENDOR "The Marlix Pentro developers")
# No address has been published for the developers yet: .invalid says so.
set(CPACK_PACKAGE_CONTACT "The Marlix Pentro developers <maintainers@marlix-pentro.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dots and boxes against the computer")
set(CPACK_PACKAGE_DESCRIPTION
  "Dots and boxes as it was played on Pocket PC handhelds: 8 x 8 corner points
and 49 boxes, you against the computer. Whoever draws the fourth side of a box
takes it and draws again. The window shows the handheld's screen in one of six
skins, with sound effects; the game is saved when the window closes.")
# The prefix is /usr inside the package, so the menu entry names the launcher there.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Debian keeps the commands of games in /usr/games.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/debian/games_dir.cmake)
set(CPACK_GENERATOR DEB)
include(CPack)
