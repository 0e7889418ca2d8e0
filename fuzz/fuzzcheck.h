#pragma once

#include <cstdio>
#include <cstdlib>

// A property every input must keep; a broken one stops the run where the fuzzer sees it.
inline void require(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", property);
        std::abort();
    }
}
