# Run by `cmake --install` after the last file: a file installed into a folder the list in
# Install.cmake lacks would leave that folder behind at removal, so the install says so.
get_filename_component(prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
foreach(file IN LISTS CMAKE_INSTALL_MANIFEST_FILES)
  get_filename_component(folder "${file}" DIRECTORY)
  # The manifest names the files under the prefix, without DESTDIR.
  file(RELATIVE_PATH relative "${prefix}" "${folder}")
  list(FIND MARLIX_INSTALL_FOLDERS "${relative}" known)
  if(known EQUAL -1)
    message(FATAL_ERROR "${file} lies in ${relative}, which MARLIX_INSTALL_FOLDERS in cmake/Install.cmake does not list")
  endif()
endforeach()
