#pragma once
// How the fuzz targets that need no program end a run on a broken property: the property on
// standard error, then an abort, so that libFuzzer keeps the input as a crash.
#include <cstdio>
#include <cstdlib>

#define PROPERTY_CHECK(condition)                                                                                      \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "property broken: %s\n", #condition);                                                 \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (0)
