# The decoder fuzzer: clang, libFuzzer, ASan and UBSan over fuzz_decode.cc and the codec's source.

set(fuzz_binary ${CMAKE_CURRENT_BINARY_DIR}/kvir-fuzz-decode)
set(fuzz_corpus ${CMAKE_CURRENT_BINARY_DIR}/fuzz_corpus)
set(fuzz_sources ${here}/fuzz_decode.cc ${PROJECT_SOURCE_DIR}/render/picture.cc
                 ${PROJECT_SOURCE_DIR}/render/pixel_allocator.cc
                 ${PROJECT_SOURCE_DIR}/core/error.cc)
set(fuzz_warning_flags -Wall -Wextra -Wpedantic)
if(KVIR_WERROR)
  list(APPEND fuzz_warning_flags -Werror)
endif()
set(fuzz_include_flags)
foreach(dir ${PNG_INCLUDE_DIRS})
  if(NOT dir IN_LIST CMAKE_CXX_IMPLICIT_INCLUDE_DIRECTORIES)  # it would break #include_next
    list(APPEND fuzz_include_flags -isystem ${dir})
  endif()
endforeach()
add_custom_command(
  OUTPUT ${fuzz_binary}
  COMMAND ${KVIR_CLANGXX} -std=c++20 -g -O1 ${fuzz_warning_flags}
          -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
          -I${PROJECT_SOURCE_DIR} ${fuzz_include_flags} ${fuzz_sources} ${PNG_LIBRARIES}
          -o ${fuzz_binary}
  DEPENDS ${fuzz_sources} ${PROJECT_SOURCE_DIR}/render/picture.h
          ${PROJECT_SOURCE_DIR}/core/error.h
  COMMENT "Building the decoder fuzzer with clang"
  VERBATIM)

# The pictures at 100 % only: the larger zooms take the decoder down the same paths, and their
# ten times the bytes made the first pass over the seeds outlast the test's time on a busy
# machine (libFuzzer keeps to -max_total_time only after that pass).
file(GLOB fuzz_seeds CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/*.png)
list(FILTER fuzz_seeds EXCLUDE REGEX "_(150|200|250|300)\\.png$")
set(fuzz_seed_stamp ${fuzz_corpus}/.seeded)
add_custom_command(
  OUTPUT ${fuzz_seed_stamp}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${fuzz_corpus}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${fuzz_corpus}
  COMMAND ${CMAKE_COMMAND} -E copy ${fuzz_seeds} ${fuzz_corpus}
  COMMAND ${CMAKE_COMMAND} -E touch ${fuzz_seed_stamp}
  DEPENDS ${fuzz_seeds}
  COMMENT "Seeding the fuzzer corpus with the embedded pictures"
  VERBATIM)
add_custom_target(fuzz_decode ALL DEPENDS ${fuzz_binary} ${fuzz_seed_stamp})

add_test(NAME fuzz.decode
         COMMAND ${fuzz_binary} -max_total_time=60 -print_final_stats=1 -rss_limit_mb=2048
                 -dict=${here}/png.dict ${fuzz_corpus})
set_tests_properties(fuzz.decode PROPERTIES LABELS fuzz TIMEOUT 240)
kvir_test_cost(70 fuzz.decode)
