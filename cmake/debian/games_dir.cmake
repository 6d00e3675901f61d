# Run by CPack between installing into its staging folder and packing the .deb: Debian keeps
# the commands of games in /usr/games, so the launcher moves there (its link into
# /usr/lib/marlix-pentro reads the same from either folder) and the menu entry follows it.
set(usr "${CPACK_TEMPORARY_DIRECTORY}/usr")
file(MAKE_DIRECTORY "${usr}/games")
file(RENAME "${usr}/bin/marlix-pentro" "${usr}/games/marlix-pentro")
file(REMOVE_RECURSE "${usr}/bin")
set(entry_file "${usr}/share/applications/marlix-pentro.desktop")
file(READ "${entry_file}" entry)
string(REPLACE "\nExec=/usr/bin/marlix-pentro\n" "\nExec=/usr/games/marlix-pentro\n" moved "${entry}")
if(moved STREQUAL entry)
  message(FATAL_ERROR "${entry_file} does not start /usr/bin/marlix-pentro")
endif()
file(WRITE "${entry_file}" "${moved}")
