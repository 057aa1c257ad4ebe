#pragma once
// String helpers of the engine, used by every describe and to-text function and by the net
// language reader. Every writer is bounded by a limit; every reader stops at the terminating
// zero of its text.

// Copies the word to buf at *pos while *pos is below limit, advancing *pos; always writes the
// terminating zero at *pos (so buf must hold limit + 1 characters). Returns *pos.
int igAddWord(const char* word, char* buf, int* pos, int limit);
// Appends src to dst and returns the new end of dst.
char* igStrCat(char* dst, const char* src);

// Size of the out buffer of igNextItem and igNextWord: items are cut to 255 characters.
inline constexpr int kItemBuffer = 256;

// From *pos: skips separators, collects characters up to the next separator or the end into
// out (at most 255 of them, the rest is passed over), stores the new *pos, returns the length.
int igNextItem(const char* text, int* pos, int sep, char* out);
// As igNextItem with blanks and control characters as separators; a part in double quotes is
// taken whole and the quotes are dropped.
int igNextWord(const char* text, int* pos, char* out);

// Decimal text of a 32-bit value, in a shared buffer.
const char* igLong2Str(long value);
// The engine's number format ("3.141", "5.000E-2", "123.456E2"), in a shared buffer.
const char* igDouble2Str(double value);
