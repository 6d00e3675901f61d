# The web version: the program as marlix-pentro.js and marlix-pentro.wasm, res/ packed into
# marlix-pentro.data, and the page index.html that shows it, all at the build folder's top.

set_target_properties(marlix-pentro PROPERTIES SUFFIX .js)
set(MARLIX_WEB_RES_DIR ${CMAKE_BINARY_DIR}/web-res)
target_link_options(marlix-pentro PRIVATE
  # The program's own waits (the pauses, the message loop's, the dialogs' and message
  # boxes' loops) give the browser back its thread while they last.
  -sASYNCIFY
  -sASYNCIFY_STACK_SIZE=65536
  # Code that never waits (the font engine, the image decoder, SDL's pixel and sound
  # converters, the C library's allocation and formatting) left as it is: a smaller
  # download. Named in a file, as these names hold stars.
  -sASYNCIFY_REMOVE=@${CMAKE_CURRENT_LIST_DIR}/web-asyncify-remove.json
  -sALLOW_MEMORY_GROWTH=1
  -sENVIRONMENT=web
  # The settings and the saved game live in the browser's IndexedDB.
  -lidbfs.js
  # SDL's audio and its calls back into the program need these from emscripten's library;
  # named in a file, as CMake would double the dollar signs on the command line.
  -sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${CMAKE_CURRENT_LIST_DIR}/web-library-functions.json
  "SHELL:--preload-file ${MARLIX_WEB_RES_DIR}@/res")

# What the page shows and plays, cut to what a page needs (tools/web/pack-res.sh); a changed
# data file is packed again.
add_custom_command(OUTPUT ${MARLIX_WEB_RES_DIR}/.packed
  COMMAND sh ${CMAKE_SOURCE_DIR}/tools/web/pack-res.sh ${MARLIX_RES_DIR} ${MARLIX_WEB_RES_DIR}
  DEPENDS ${MARLIX_ASSETS} ${MARLIX_RES_DIR}/DejaVuSans.ttf ${CMAKE_SOURCE_DIR}/tools/web/pack-res.sh)
add_custom_target(web_res DEPENDS ${MARLIX_WEB_RES_DIR}/.packed)
# The data files are drawn in another folder's target: Make knows them only once it has run,
# and a parallel build would otherwise look for them before.
add_dependencies(web_res assets platform_font)
add_dependencies(marlix-pentro web_res)
set_property(TARGET marlix-pentro APPEND PROPERTY LINK_DEPENDS ${MARLIX_WEB_RES_DIR}/.packed
  ${CMAKE_CURRENT_LIST_DIR}/web-asyncify-remove.json)

# The page, which names the version (@PROJECT_VERSION@); the help page opens from res/ beside
# it. The version also waits in the file "version" for tools/web/build.sh.
configure_file(${CMAKE_SOURCE_DIR}/tools/web/index.html ${CMAKE_BINARY_DIR}/index.html @ONLY)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/version CONTENT "${PROJECT_VERSION}\n")
