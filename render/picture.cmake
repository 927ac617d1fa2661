# kvir_picture: the PNG codec the panels, the tools and kvir-cli draw with. Saving what they draw
# is the caller's concern: the codec knows no files.

get_filename_component(kvir_picture_root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)

add_library(kvir_picture STATIC "${CMAKE_CURRENT_LIST_DIR}/picture.cc"
                                "${CMAKE_CURRENT_LIST_DIR}/pixel_allocator.cc")
target_include_directories(kvir_picture PUBLIC "${kvir_picture_root}")
target_link_libraries(kvir_picture PUBLIC kvir_core PRIVATE PNG::PNG ZLIB::ZLIB)
