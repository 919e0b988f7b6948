# libFuzzer builds (tests/fuzz). Everything of ours is compiled with the
# fuzzer's coverage hooks and the sanitizers, so a fault deep inside a
# parser stops the run where it happens; only the fuzz programs link the
# fuzzer's own main. Needs clang: gcc has no libFuzzer.
option(VELMORA_FUZZ "Build the libFuzzer targets in tests/fuzz (clang only)" OFF)
if(VELMORA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VELMORA_FUZZ needs clang: configure with CC=clang CXX=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
