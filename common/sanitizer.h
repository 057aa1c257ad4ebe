#pragma once

namespace olvan {

// Whether this build runs under AddressSanitizer (gcc says so with a macro, clang through
// __has_feature). Such a build cannot start with bounded virtual memory, since its shadow alone
// is larger, and must give freed memory straight back so that a use after free is seen.
inline constexpr bool kAddressSanitizer =
#if defined(__SANITIZE_ADDRESS__)
    true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    true;
#else
    false;
#endif
#else
    false;
#endif

} // namespace olvan
