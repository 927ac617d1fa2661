# kvir_resources: every resources/*.png compiled into the program, looked up by resource name. The
# pictures stay in resources/; the lookup and the generated table are built here.

get_filename_component(kvir_repo_root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(kvir_embed_script "${kvir_repo_root}/cmake/embed_resources.cmake")
set(kvir_resource_manifest "${CMAKE_CURRENT_BINARY_DIR}/embedded_resources.txt")
set(kvir_resource_source "${CMAKE_CURRENT_BINARY_DIR}/embedded_resources.cc")

# The manifest changes (and so regenerates the source) only when a PNG is added or removed.
file(GLOB kvir_resource_pngs CONFIGURE_DEPENDS "${kvir_repo_root}/resources/*.png")
# A build may leave pictures out: the browser edition keeps only those it shows.
if(DEFINED KVIR_RESOURCE_EXCLUDE)
  list(FILTER kvir_resource_pngs EXCLUDE REGEX "${KVIR_RESOURCE_EXCLUDE}")
endif()
list(SORT kvir_resource_pngs)
list(JOIN kvir_resource_pngs "\n" kvir_resource_lines)
file(CONFIGURE OUTPUT "${kvir_resource_manifest}" CONTENT "${kvir_resource_lines}\n" @ONLY)

add_custom_command(
  OUTPUT "${kvir_resource_source}"
  COMMAND "${CMAKE_COMMAND}" "-DMANIFEST=${kvir_resource_manifest}"
          "-DOUTPUT=${kvir_resource_source}" -P "${kvir_embed_script}"
  DEPENDS "${kvir_embed_script}" "${kvir_resource_manifest}" ${kvir_resource_pngs}
  COMMENT "Embedding resources/*.png"
  VERBATIM)

# The generated source pulls the pictures in with .incbin: recompile it whenever one changes.
set_source_files_properties("${kvir_resource_source}" PROPERTIES OBJECT_DEPENDS
                                                               "${kvir_resource_pngs}")
add_library(kvir_resources STATIC "${CMAKE_CURRENT_LIST_DIR}/resources.cc"
                                  "${kvir_resource_source}")
target_include_directories(kvir_resources PUBLIC "${kvir_repo_root}")
