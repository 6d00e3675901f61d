# Installing, as the device had it: the program in a folder of its own with res/ beside it
# (<prefix>/lib/marlix-pentro), a launcher on the PATH, and for the desktop a menu entry, the
# icon in its theme's sizes and the AppStream metadata software centres read. Every file goes
# through install rules, so install_manifest.txt lists all of them.

set(MARLIX_INSTALL_DIR lib/marlix-pentro)
# The software centres' name for the game. Kept once chosen: it names the metadata file.
set(MARLIX_APP_ID org.marlixpentro.marlix_pentro)
# No licence is published yet: until one is, all rights are reserved.
set(MARLIX_PROJECT_LICENSE LicenseRef-proprietary)
# AppStream takes a screenshot only by its web address; the game has none yet, so the
# metadata shows the README's screenshot only when the build is told where it lies.
set(MARLIX_SCREENSHOT_URL "" CACHE STRING "The web address of docs/screenshot.png, for the AppStream metadata")

install(TARGETS marlix-pentro RUNTIME DESTINATION ${MARLIX_INSTALL_DIR})
# The font comes from fonts-dejavu-core, which the game needs anyway: no second copy of it.
install(DIRECTORY ${MARLIX_RES_DIR}/ DESTINATION ${MARLIX_INSTALL_DIR}/res PATTERN DejaVuSans.ttf EXCLUDE)

# The launcher: a relative link, so it finds the program under any prefix and DESTDIR.
set(launcher ${CMAKE_BINARY_DIR}/install/bin/marlix-pentro)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install/bin)
file(CREATE_LINK ../${MARLIX_INSTALL_DIR}/marlix-pentro ${launcher} SYMBOLIC)
install(FILES ${launcher} DESTINATION bin)

# The menu entry names the launcher by its full path, known only when installing (--prefix).
install(CODE "set(MARLIX_DESKTOP_TEMPLATE \"${CMAKE_SOURCE_DIR}/app/marlix-pentro.desktop.in\")
set(MARLIX_DESKTOP_STAGING \"${CMAKE_BINARY_DIR}/install\")")
install(SCRIPT ${CMAKE_SOURCE_DIR}/cmake/install_desktop_entry.cmake)

install(FILES ${MARLIX_GENERATED_DIR}/marlix-pentro.svg DESTINATION share/icons/hicolor/scalable/apps)
foreach(size ${MARLIX_ICON_SIZES})
  install(FILES ${MARLIX_GENERATED_DIR}/marlix-pentro-${size}.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME marlix-pentro.png)
endforeach()

set(MARLIX_SCREENSHOTS "")
if(MARLIX_SCREENSHOT_URL)
  string(CONCAT MARLIX_SCREENSHOTS
    "  <screenshots>\n"
    "    <screenshot type=\"default\">\n"
    "      <caption>A game in the middle of play: your lines in yellow, the computer's in red</caption>\n"
    "      <image>${MARLIX_SCREENSHOT_URL}</image>\n"
    "    </screenshot>\n"
    "  </screenshots>\n")
endif()
set(metainfo ${CMAKE_BINARY_DIR}/install/${MARLIX_APP_ID}.metainfo.xml)
configure_file(${CMAKE_SOURCE_DIR}/app/marlix-pentro.metainfo.xml.in ${metainfo} @ONLY)
install(FILES ${metainfo} DESTINATION share/metainfo)

# The manual page, the licence and the history, where Debian looks for them; compressed
# without a time stamp, so the same sources give the same files.
function(marlix_gzip source target)
  set(packed ${CMAKE_BINARY_DIR}/install/${target})
  add_custom_command(OUTPUT ${packed}
    COMMAND sh -c "gzip -9nc \"$0\" >\"$1\"" ${source} ${packed}
    DEPENDS ${source}
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${packed})
endfunction()
marlix_gzip(${CMAKE_SOURCE_DIR}/app/marlix-pentro.6 marlix-pentro.6.gz)
marlix_gzip(${CMAKE_SOURCE_DIR}/cmake/debian/changelog changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/install/marlix-pentro.6.gz DESTINATION share/man/man6)
install(FILES ${CMAKE_SOURCE_DIR}/cmake/debian/copyright ${CMAKE_BINARY_DIR}/install/changelog.gz
  DESTINATION share/doc/marlix-pentro)
