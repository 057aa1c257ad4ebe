#pragma once
// Writing a whole file so that the previous one survives any failure: the bytes go to a
// temporary file beside it, which then takes the file's place in one step.
#include <string>
#include <string_view>

// False with the reason when the file could not be written; the old file is then untouched.
bool ReplaceFileContents(const std::string& name, std::string_view bytes, std::string* error);
