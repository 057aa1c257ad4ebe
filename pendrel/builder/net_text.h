#pragma once
// The net text that the builder writes for its boxes: plain functions over line numbers, so that
// every template can be checked byte for byte without a drawing. A value always travels on the
// path named after the input tie that finally receives it: "X" and six hexadecimal digits.
#include <span>
#include <string>
#include <string_view>

namespace vplnet {

// "X00001a" for line 26; with another prefix, "FuncX00001a", "TimerOut000001" and the like.
std::string PathName(long line, std::string_view prefix = "X");

// The fan-out chain that hands one value to every line in turn: each step copies the value to
// its own "X" path and passes it on along the prefix paths ("FuncX", "TimerX", "InputX"); the
// last step moves it to its path. Nothing for no lines.
std::string FanOutChain(std::string_view prefix, std::span<const long> lines);

// One input of a function box: its line number and whether the tie holds its value.
struct FunctionInput {
    long line = 0;
    bool held = false;
};

// Inputs in order, the keyword, then the first output tie's deliveries: one connection goes
// straight to its path, several through the "FuncX" chain, none nowhere.
std::string FunctionText(std::span<const FunctionInput> inputs, std::string_view keyword,
                         std::span<const long> outputs);

// The tick-count limit of a timer: the period text read as a decimal number of seconds, in tick
// units of six per second; 0 (emit on every tick) for a text that is no positive number.
long TimerLimit(std::string_view period);

// The text of the timer numbered `timer` (1 for the first of a setup) with its period and its
// output deliveries; empty when the output goes nowhere (the caller then does not count it).
std::string TimerText(long timer, std::string_view period, std::span<const long> outputs);

// The path an input box sends to: its one connection's path, or the head of its "InputX" chain.
std::string InputPathName(std::span<const long> outputs);
// The chain of an input box with several connections; empty for fewer than two.
std::string InputText(std::span<const long> outputs);

} // namespace vplnet
