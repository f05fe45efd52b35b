#pragma once

#include <cstdio>
#include <cstdlib>

// An assertion that stays on in test builds (AGGETTIVI_CHECKS) as well as in
// Debug: an out-of-range index must never go unnoticed while testing.
#if defined(AGGETTIVI_CHECKS) || !defined(NDEBUG)
#define VERIFICA(cond)                                                                             \
    do {                                                                                           \
        if (!(cond)) {                                                                             \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond);          \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)
#else
#define VERIFICA(cond) ((void)0)
#endif
