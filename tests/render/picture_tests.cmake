# Tests of the PNG codec and the embedded resources.

add_executable(kvir_picture_test "${CMAKE_CURRENT_LIST_DIR}/picture_test.cc")
target_link_libraries(kvir_picture_test PRIVATE kvir_picture kvir_resources ZLIB::ZLIB
                                                GTest::gmock GTest::gtest_main)
kvir_add_gtest(kvir_picture_test)

add_executable(kvir_resources_test "${CMAKE_CURRENT_LIST_DIR}/resources_test.cc")
target_link_libraries(kvir_resources_test PRIVATE kvir_resources GTest::gtest_main)
kvir_add_gtest(kvir_resources_test)
