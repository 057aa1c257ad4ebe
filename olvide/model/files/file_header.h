#pragma once
// The six header strings of a program file and the texts of the drawing file's frame.
#include "olvide/model/record_io.h"

#include <string_view>

namespace olvide {

inline constexpr std::string_view kHeaderName = "Olvane";
inline constexpr std::string_view kHeaderChart = "FLOW----CHRT----FILE";
inline constexpr std::string_view kHeaderBlank = "      ";
inline constexpr std::string_view kHeaderFile = "FILE.CHRT.FLOW";
inline constexpr std::string_view kHeaderTail = "FLOWCHRTFILE";

// The two messages of a wrong header: strings 1 and 2, and string 5.
inline constexpr std::string_view kNotOlvaneFormat = "Not Olvane format!";
inline constexpr std::string_view kNotOlvaneFormatLower = "Not olvane format!";

// The strings that open and close a drawing file; the reader does not depend on them.
inline constexpr std::string_view kDrawingOpening = "Olvane drawing elements";
inline constexpr std::string_view kDrawingClosing = "End of Olvane drawing elements";

void writeProgramHeader(RecordWriter& writer);

// Checks the header in the order the strings are read; on a wrong header answers the message
// to show (and nothing further is read), otherwise an empty text.
std::string_view checkProgramHeader(RecordReader& reader);

} // namespace olvide
