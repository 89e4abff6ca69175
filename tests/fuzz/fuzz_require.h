// The fuzz targets' assertion: names the broken condition, then aborts so
// that libFuzzer keeps the input.
#pragma once

#include <cstdio>
#include <cstdlib>

#define CHARART_FUZZ_REQUIRE(condition)                                              \
  do {                                                                               \
    if (!(condition)) {                                                              \
      std::fprintf(stderr, "%s:%d: required: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                  \
    }                                                                                \
  } while (false)
