#pragma once
// Text in the Chinese code page. The model keeps every alias, value, comment and step code as
// the bytes its files store (GB18030, a superset of GBK), so that lengths and positions count
// bytes and a Chinese character counts 2. Text is converted to UTF-8 only where it meets the
// screen or the terminal.
#include <string>
#include <string_view>

namespace olvide {

// Code-page bytes to UTF-8. A byte sequence that is not valid becomes U+FFFD on the way out;
// the data itself is never changed.
std::string toUtf8(std::string_view codepage);

// UTF-8 to code-page bytes. A character the code page cannot hold, or bytes that are not
// valid UTF-8, become '?'.
std::string fromUtf8(std::string_view utf8);

// A UTF-8 literal of the source converted once to the code page: cp("除零错!") converts on
// the first call and returns the same bytes from then on.
const std::string& cp(const char* utf8Literal);

} // namespace olvide
