#pragma once
// The text value ("Text"): an owned, zero-terminated string.
#include "pendrel/engine/object.h"

struct vTEXT : vOBJECT {
    char* text;
};

// A text received from a stream holds at most this many characters.
inline constexpr int kTextStreamLimit = 511;

int vTextInitialize();

// Copies the string, resolving escapes: "\\" gives one backslash, "\n" a line feed, "\r" a
// carriage return; a backslash with any other character is dropped with that character.
vTEXT* vTextCreate(const char* text);
// As vTextCreate but copies the bytes as they are.
vTEXT* vTextCreateRaw(const char* text, long length);
const char* vTextGet(const vTEXT* text);
// The first 255 characters upper-cased, in a shared buffer that the next call overwrites.
const char* vTextUpper(const vTEXT* text);
