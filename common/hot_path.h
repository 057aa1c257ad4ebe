#pragma once
// Marks the few small functions that a running loop calls at every turn: inlined even where the
// compiler's size rules would make a call of them (gcc keeps several of them out of line at
// -O2, a call and return around a few loads at every step).
#if defined(__GNUC__) || defined(__clang__)
#define OLVAN_HOT_INLINE inline __attribute__((always_inline))
#else
#define OLVAN_HOT_INLINE inline
#endif
