# Tests of the PNG codec, the file writer and the embedded resources.


add_executable(kvir_picture_test "${CMAKE_CURRENT_LIST_DIR}/schemes/picture_test.cc")
target_link_libraries(kvir_picture_test PRIVATE kvir_picture kvir_resources ZLIB::ZLIB
                                                GTest::gmock GTest::gtest_main)
kvir_add_gtest(kvir_picture_test)

add_executable(kvir_resources_test "${CMAKE_CURRENT_LIST_DIR}/resources_test.cc")
target_link_libraries(kvir_resources_test PRIVATE kvir_resources GTest::gtest_main)
kvir_add_gtest(kvir_resources_test)

add_executable(kvir_output_file_test "${CMAKE_CURRENT_LIST_DIR}/output_file_test.cc")
target_link_libraries(kvir_output_file_test PRIVATE kvir_io GTest::gtest_main)
kvir_add_gtest(kvir_output_file_test)

add_executable(kvir_small_pictures_test "${CMAKE_CURRENT_LIST_DIR}/tools/small_pictures_test.cc")
target_link_libraries(kvir_small_pictures_test PRIVATE kvir_small_pictures kvir_render
                                                       GTest::gtest_main)
kvir_add_gtest(kvir_small_pictures_test)
