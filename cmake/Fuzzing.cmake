# libFuzzer targets (tests/fuzz/), only with -DCHARART_FUZZ=ON under clang.
# Every program and library of the build gets AddressSanitizer and
# UndefinedBehaviorSanitizer, and the code the fuzzers drive gets libFuzzer's
# coverage hooks; the fuzz programs link libFuzzer's own main. Configure such
# a build with tests, window and benchmarks off (scripts/fuzz does).
if(CHARART_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "CHARART_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()

  set(CHARART_FUZZ_SANITIZERS
      -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)

  # Every target made so far, in every directory, gets the sanitizers.
  function(charart_fuzz_instrument directory)
    get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
      get_target_property(type ${target} TYPE)
      if(type STREQUAL "STATIC_LIBRARY" OR type STREQUAL "EXECUTABLE")
        target_compile_options(${target} PRIVATE ${CHARART_FUZZ_SANITIZERS}
                                                 -fsanitize=fuzzer-no-link)
        target_link_options(${target} PRIVATE -fsanitize=address,undefined)
      endif()
    endforeach()
    get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
    foreach(subdirectory IN LISTS subdirectories)
      charart_fuzz_instrument(${subdirectory})
    endforeach()
  endfunction()
  charart_fuzz_instrument(${PROJECT_SOURCE_DIR})

  add_subdirectory(tests/fuzz)
endif()
