#include "value_ops.h"

#include "olvide/model/codepage.h"

#include <cmath>

namespace olvide {

bool writesResult(Fault fault) {
    return fault == Fault::None || fault == Fault::Overflow || fault == Fault::Underflow ||
           fault == Fault::DivideByZero;
}

bool stopsRun(Fault fault) {
    return fault == Fault::SqrtOfNegative || fault == Fault::LogOfNonPositive ||
           fault == Fault::FunctionOverflow;
}

std::string faultMessage(Fault fault, std::string_view operand) {
    switch (fault) {
    case Fault::None:
        return {};
    case Fault::Overflow:
        return cp("数太大了!");
    case Fault::Underflow:
        return cp("数太小了!");
    case Fault::DivideByZero:
        return cp("除零错!");
    case Fault::NotANumber:
        return cp("不是一个数:\"") + std::string(operand) + cp("\",这一步没有结果!");
    case Fault::OutOfRange:
        return cp("整数超出32位范围:") + std::string(operand) + cp(",这一步没有结果!");
    case Fault::TooLong:
        return cp("字符串太长了,这一步没有结果!");
    case Fault::SqrtOfNegative:
        return cp("负数不能开平方,程序停止运行!");
    case Fault::LogOfNonPositive:
        return cp("零或负数不能取对数,程序停止运行!");
    case Fault::FunctionOverflow:
        return cp("函数值溢出,程序停止运行!");
    }
    return {};
}

namespace {

Faulted integerOperation(char op, std::string_view left, std::string_view right, std::string& out) {
    const StrictInteger a = strictInteger(left);
    if (a.status != StrictStatus::Ok)
        return {a.status == StrictStatus::NotANumber ? Fault::NotANumber : Fault::OutOfRange, left};
    const StrictInteger b = strictInteger(right);
    if (b.status != StrictStatus::Ok)
        return {b.status == StrictStatus::NotANumber ? Fault::NotANumber : Fault::OutOfRange,
                right};
    if (b.value == 0) {
        out.assign(kTooLargeText);
        return {Fault::DivideByZero, {}};
    }
    const std::int64_t r =
        op == '|' ? std::int64_t{a.value} / b.value : std::int64_t{a.value} % b.value;
    if (r > INT32_MAX) return {Fault::OutOfRange, "2147483648"}; // only -2147483648 | -1
    numberText(static_cast<double>(r), out);
    return {};
}

} // namespace

std::string_view faultText(Fault fault) {
    return fault == Fault::Underflow ? std::string_view("0") : kTooLargeText;
}

Faulted arithmetic(char op, std::string_view left, std::string_view right, std::string& out) {
    if (op == '|' || op == '%') return integerOperation(op, left, right, out);
    if (!isRealOperation(op)) return {};
    double r = 0;
    const Fault f = realArithmetic(op, lenientNumber(left), lenientNumber(right), r);
    if (f == Fault::None)
        numberText(r, out);
    else
        out.assign(faultText(f));
    return {f, {}};
}

bool compareNumbers(Comparison op, std::string_view left, std::string_view right) {
    return compareNumbers(op, lenientNumber(left), lenientNumber(right));
}

bool compareTexts(Comparison op, std::string_view left, std::string_view right) {
    // char_traits<char> compares as unsigned char: byte values, as the code page orders them.
    return compareValues(op, left, right);
}

std::string_view booleanAnd(std::string_view x, std::string_view y) {
    return booleanText(x == kTrue && y == kTrue);
}

std::string_view booleanOr(std::string_view x, std::string_view y) {
    return booleanText(!(x == kFalse && y == kFalse));
}

std::string_view booleanNot(std::string_view x) {
    return booleanText(x == kFalse);
}

Fault numberFunction(NumberFunction f, std::string_view x, std::string& out) {
    const double v = lenientNumber(x);
    double r = 0;
    switch (f) {
    case NumberFunction::Int:
        r = std::trunc(v);
        break;
    case NumberFunction::Abs:
        r = std::fabs(v);
        break;
    case NumberFunction::Sqrt:
        if (v < 0) return Fault::SqrtOfNegative;
        r = std::sqrt(v);
        break;
    case NumberFunction::Log:
        if (!(v > 0)) return Fault::LogOfNonPositive;
        r = std::log(v);
        break;
    case NumberFunction::Exp:
        r = std::exp(v);
        break;
    case NumberFunction::Sin:
        r = std::sin(v);
        break;
    case NumberFunction::Cos:
        r = std::cos(v);
        break;
    case NumberFunction::Tg:
        r = std::sin(v) / std::cos(v);
        break;
    case NumberFunction::Arctg:
        r = std::atan(v);
        break;
    }
    if (!std::isfinite(r)) return Fault::FunctionOverflow;
    numberText(r, out);
    return Fault::None;
}

void textLength(std::string_view text, std::string& out) {
    numberText(static_cast<double>(text.size()), out);
}

namespace {

Faulted readInteger(std::string_view text, std::int32_t& value) {
    const StrictInteger v = strictInteger(text);
    value = v.value;
    if (v.status == StrictStatus::Ok) return {};
    return {v.status == StrictStatus::NotANumber ? Fault::NotANumber : Fault::OutOfRange, text};
}

} // namespace

Faulted substring(std::string_view text, std::string_view start, std::string_view length,
                  std::string& out) {
    std::int32_t s = 0;
    std::int32_t n = 0;
    if (Faulted f = readInteger(start, s); f.fault != Fault::None) return f;
    if (Faulted f = readInteger(length, n); f.fault != Fault::None) return f;
    const std::int64_t from = s < 1 ? 1 : s;
    if (n <= 0 || from > static_cast<std::int64_t>(text.size())) {
        out.clear();
        return {};
    }
    out.assign(text.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(n)));
    return {};
}

Faulted replaceClip(std::string_view text, std::string_view start, std::string_view length,
                    std::string_view insert, std::string& out) {
    std::int32_t s = 0;
    std::int32_t n = 0;
    if (Faulted f = readInteger(start, s); f.fault != Fault::None) return f;
    if (Faulted f = readInteger(length, n); f.fault != Fault::None) return f;
    if (text.size() + insert.size() > kMaxTextLength) return {Fault::TooLong, {}};
    std::string result(text);
    if (s >= 1 && static_cast<std::size_t>(s) <= result.size() && n > 0)
        result.erase(static_cast<std::size_t>(s - 1), static_cast<std::size_t>(n));
    const std::size_t at = s < 1 ? 0 : std::min(static_cast<std::size_t>(s - 1), result.size());
    result.insert(at, insert);
    out = std::move(result);
    return {};
}

Faulted replicate(std::string_view text, std::string_view count, std::string& out) {
    std::int32_t times = 0;
    if (Faulted f = readInteger(count, times); f.fault != Fault::None) return f;
    if (times <= 0 || text.empty()) {
        out.clear();
        return {};
    }
    if (text.size() > kMaxTextLength / static_cast<std::size_t>(times)) return {Fault::TooLong, {}};
    std::string result;
    result.reserve(text.size() * static_cast<std::size_t>(times));
    for (std::int32_t i = 0; i < times; ++i)
        result.append(text);
    out = std::move(result);
    return {};
}

Fault joinTexts(std::string_view first, std::string_view second, std::string& out) {
    if (first.size() + second.size() > kMaxTextLength) return Fault::TooLong;
    if (out.data() == first.data() && out.size() == first.size()) {
        out.append(second);
        return Fault::None;
    }
    std::string result;
    result.reserve(first.size() + second.size());
    result.append(first).append(second);
    out = std::move(result);
    return Fault::None;
}

} // namespace olvide
