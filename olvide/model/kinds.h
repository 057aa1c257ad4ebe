#pragma once
// The kind code of every object class: the first integer of every object record in a program
// file, from which the reader chooses the class.
#include <cstdint>

namespace olvide::kind {

inline constexpr std::uint8_t Visualor = 0;
inline constexpr std::uint8_t Varibler = 1;
inline constexpr std::uint8_t Commander = 2;
inline constexpr std::uint8_t Constant = 3;
inline constexpr std::uint8_t Operator = 4;
inline constexpr std::uint8_t Array = 5;
inline constexpr std::uint8_t Index = 6;
inline constexpr std::uint8_t Number = 7;
inline constexpr std::uint8_t Boolean = 8;
inline constexpr std::uint8_t Function = 9;
inline constexpr std::uint8_t Condition = 10;
inline constexpr std::uint8_t Iteration = 11;
inline constexpr std::uint8_t String = 12;
inline constexpr std::uint8_t Output = 13;
inline constexpr std::uint8_t OutputLineA = 14; // output line by a constant number
inline constexpr std::uint8_t OutputLineX = 15; // output line by a number element
inline constexpr std::uint8_t Main = 16;
inline constexpr std::uint8_t True = 17;
inline constexpr std::uint8_t False = 18;
inline constexpr std::uint8_t For = 19;
inline constexpr std::uint8_t Yin = 20;

inline constexpr bool isCommander(std::uint8_t k) {
    return k >= Main && k <= For;
}
inline constexpr bool isFlowCommander(std::uint8_t k) {
    return k >= True && k <= For;
}
inline constexpr bool isNumberLike(std::uint8_t k) {
    return k == Number || k == Iteration;
}
inline constexpr bool isBooleanLike(std::uint8_t k) {
    return k == Boolean || k == Condition;
}
inline constexpr bool isStringLike(std::uint8_t k) {
    return k == String || k == OutputLineA || k == OutputLineX;
}

} // namespace olvide::kind
