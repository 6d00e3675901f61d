# Installing, as the device had it: the program in a folder of its own with res/ beside it
# (<prefix>/lib/marlix-pentro), a launcher on the PATH, and for the desktop a menu entry, the
# icon in its theme's sizes and the AppStream metadata software centres read. Every file goes
# through install rules, so install_manifest.txt lists all of them.

set(MARLIX_INSTALL_DIR lib/marlix-pentro)
# The software centres' name for the game. Kept once chosen: it names the metadata file.
set(MARLIX_APP_ID org.marlixpentro.marlix_pentro)
set(MARLIX_PROJECT_LICENSE MIT)
# The release notes and the Debian change log, from CHANGELOG.md.
include(cmake/Changelog.cmake)
# AppStream takes a screenshot only by its web address; the game has none yet, so the
# metadata shows the README's screenshot only when the build is told where it lies.
set(MARLIX_SCREENSHOT_URL "" CACHE STRING "The web address of docs/screenshot.png, for the AppStream metadata")

# Every folder files are installed into. Before the first file, the install notes which of
# them, and of the folders above them (the prefix's own among them), do not exist yet: the
# folders it creates, which tools/uninstall.sh may take away again. After the last file it checks that
# no file went into a folder missing here.
set(MARLIX_INSTALL_FOLDERS ${MARLIX_INSTALL_DIR} ${MARLIX_INSTALL_DIR}/res bin share/applications
  share/icons/hicolor/scalable/apps share/metainfo share/man/man6 share/doc/marlix-pentro)
foreach(size ${MARLIX_ICON_SIZES})
  list(APPEND MARLIX_INSTALL_FOLDERS share/icons/hicolor/${size}x${size}/apps)
endforeach()
install(CODE "set(MARLIX_INSTALL_FOLDERS \"${MARLIX_INSTALL_FOLDERS}\")
set(MARLIX_FOLDER_RECORD \"${CMAKE_BINARY_DIR}/install_folders.txt\")")
install(SCRIPT ${CMAKE_SOURCE_DIR}/cmake/install_folders_before.cmake)

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
configure_file(${CMAKE_SOURCE_DIR}/app/marlix-pentro.6.in ${CMAKE_BINARY_DIR}/install/marlix-pentro.6 @ONLY)
marlix_gzip(${CMAKE_BINARY_DIR}/install/marlix-pentro.6 marlix-pentro.6.gz)
marlix_gzip(${CMAKE_BINARY_DIR}/install/changelog changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/install/marlix-pentro.6.gz DESTINATION share/man/man6)
install(FILES ${CMAKE_SOURCE_DIR}/cmake/debian/copyright ${CMAKE_BINARY_DIR}/install/changelog.gz
  DESTINATION share/doc/marlix-pentro)

# Last: every installed file lies in a folder the record knows.
install(SCRIPT ${CMAKE_SOURCE_DIR}/cmake/install_folders_after.cmake)
