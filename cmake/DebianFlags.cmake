# A Release build of the desktop program is compiled and linked as Debian builds its packages:
# with the flags dpkg-buildflags gives, hardening all on (fortified functions, the stack
# protector, full RELRO and bind-now; the compiler makes PIE by default). They go before the
# build type's own flags, so -O3 -DNDEBUG still has the last word.
option(MARLIX_DEBIAN_FLAGS "Compile and link a Release build with dpkg-buildflags' flags (hardening=+all)" ON)
if(MARLIX_DEBIAN_FLAGS AND CMAKE_BUILD_TYPE STREQUAL "Release" AND NOT EMSCRIPTEN AND NOT MARLIX_SANITIZE)
  find_program(MARLIX_DPKG_BUILDFLAGS dpkg-buildflags)
  if(NOT MARLIX_DPKG_BUILDFLAGS)
    message(STATUS "dpkg-buildflags is missing: the build leaves out Debian's hardening flags (dpkg-dev)")
  else()
    foreach(kind CPPFLAGS CFLAGS CXXFLAGS LDFLAGS)
      execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${MARLIX_DPKG_BUILDFLAGS} --get ${kind}
        WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
        OUTPUT_VARIABLE debian_${kind}
        OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
    set(CMAKE_C_FLAGS "${debian_CPPFLAGS} ${debian_CFLAGS} ${CMAKE_C_FLAGS}")
    set(CMAKE_CXX_FLAGS "${debian_CPPFLAGS} ${debian_CXXFLAGS} ${CMAKE_CXX_FLAGS}")
    set(CMAKE_EXE_LINKER_FLAGS "${debian_LDFLAGS} ${CMAKE_EXE_LINKER_FLAGS}")
    set(CMAKE_SHARED_LINKER_FLAGS "${debian_LDFLAGS} ${CMAKE_SHARED_LINKER_FLAGS}")
    message(STATUS "Debian's build flags: ${debian_CPPFLAGS} ${debian_CXXFLAGS} ${debian_LDFLAGS}")
  endif()
endif()
