# The browser edition within the native build (KVIR_WEB): scripts/web.sh builds kvir.html with
# emscripten into KVIR_WEB_DIR at every build (a moment when nothing changed), and it is installed
# beside the program's data, so that the Debian package carries it.

include(GNUInstallDirs)
set(KVIR_WEB_DIR "${PROJECT_SOURCE_DIR}/build-web" CACHE PATH
    "Where scripts/web.sh builds the browser edition")
set(KVIR_WEB_HTML "${KVIR_WEB_DIR}/kvir.html")
add_custom_target(kvir_web ALL
  COMMAND ${CMAKE_COMMAND} -E env "KVIR_WEB_BUILD=${KVIR_WEB_DIR}" "KVIR_WERROR=${KVIR_WERROR}"
          bash "${PROJECT_SOURCE_DIR}/scripts/web.sh"
  COMMENT "Building the browser edition (scripts/web.sh)"
  VERBATIM)
install(FILES "${KVIR_WEB_HTML}" DESTINATION "${CMAKE_INSTALL_DATADIR}/kvir/web")
