# Run by `cmake --install` and CPack: writes the menu entry with the launcher under this
# install's prefix, known only now, and installs it like any other file (DESTDIR and the
# manifest included). Given MARLIX_DESKTOP_TEMPLATE and MARLIX_DESKTOP_STAGING.
get_filename_component(prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
set(exec "${prefix}/bin/marlix-pentro")
if(exec MATCHES "\n")
  message(FATAL_ERROR "The install prefix holds a line break: no menu entry can name it")
endif()
# The entry's own quoting: % is doubled; a path with a space or a character a shell would
# read goes in double quotes with \, ", ` and $ escaped, and then every \ is doubled again,
# as the file's strings ask.
string(REPLACE "%" "%%" exec "${exec}")
if(NOT exec MATCHES "^[-A-Za-z0-9/._+,:@=%]+$")
  string(REPLACE "\\" "\\\\" exec "${exec}")
  string(REPLACE "\"" "\\\"" exec "${exec}")
  string(REPLACE "`" "\\`" exec "${exec}")
  string(REPLACE "$" "\\$" exec "${exec}")
  string(REPLACE "\\" "\\\\" exec "\"${exec}\"")
endif()
set(MARLIX_EXEC "${exec}")
file(READ "${MARLIX_DESKTOP_TEMPLATE}" entry)
string(CONFIGURE "${entry}" entry @ONLY)
file(WRITE "${MARLIX_DESKTOP_STAGING}/marlix-pentro.desktop" "${entry}")
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications" TYPE FILE
  FILES "${MARLIX_DESKTOP_STAGING}/marlix-pentro.desktop")
