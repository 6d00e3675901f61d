# Each folder of the source is a library whose headers others include as "<name>/<file>.h".
# A library sees only its own headers and those of the libraries it links: its include path
# is a folder of its own in the build holding a single link, <name>, to its headers. So an
# include of a folder that a library does not depend on fails to compile, and the arrows
# between folders are the link dependencies written in the CMake files.
#
#   marlix_headers(<target> <name> [<folder>])
#
# <folder> defaults to the calling CMakeLists.txt's own folder. An INTERFACE library passes
# its headers on to whatever links it; any other library sees them itself as well.

function(marlix_headers target name)
  if(ARGC GREATER 2)
    set(folder ${ARGV2})
  else()
    set(folder ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  get_filename_component(parent ${root}/${name} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  file(CREATE_LINK ${folder} ${root}/${name} SYMBOLIC)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
