# One change log read as the build reads it: cmake -DSOURCE=DIR -DVERSION=V -P this, with
# DIR/CHANGELOG.md; writes DIR/install/changelog and DIR/releases.xml (the AppStream
# releases, then the date of the newest entry on a line of its own).
set(CMAKE_SOURCE_DIR ${SOURCE})
set(CMAKE_BINARY_DIR ${SOURCE})
set(PROJECT_VERSION ${VERSION})
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/Changelog.cmake)
file(WRITE ${SOURCE}/releases.xml "${MARLIX_RELEASES}${MARLIX_RELEASE_DATE}\n")
