# Run by `cmake --install` before it installs the first file: notes in MARLIX_FOLDER_RECORD
# (beside install_manifest.txt) the folders this install is about to create, so that
# tools/uninstall.sh removes those and no folder that was there before. The folders noted
# by an earlier install that still exist stay noted: installing twice creates nothing new,
# yet the first install's folders are still the game's to remove.
get_filename_component(prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
set(root "$ENV{DESTDIR}${prefix}")
# CPack's staging folder is CPack's to remove, and not what a player installed.
if(root MATCHES "/_CPack_Packages/")
  return()
endif()
set(created "")
if(EXISTS "${MARLIX_FOLDER_RECORD}")
  file(STRINGS "${MARLIX_FOLDER_RECORD}" noted)
  foreach(folder IN LISTS noted)
    if(IS_DIRECTORY "${folder}")
      list(APPEND created "${folder}")
    endif()
  endforeach()
endif()
foreach(folder IN LISTS MARLIX_INSTALL_FOLDERS)
  # The folder and each one above it that is missing, the prefix too if it is.
  set(path "${root}/${folder}")
  while(NOT IS_DIRECTORY "${path}")
    list(APPEND created "${path}")
    get_filename_component(path "${path}" DIRECTORY)
  endwhile()
endforeach()
list(REMOVE_DUPLICATES created)
list(SORT created)
list(JOIN created "\n" lines)
if(NOT lines STREQUAL "")
  string(APPEND lines "\n")
endif()
file(WRITE "${MARLIX_FOLDER_RECORD}" "${lines}")
