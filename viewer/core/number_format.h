#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace viewer {

// The two ways numbers are written on screen. Both first take the value's decimal digits at 18
// significant digits and round that digit string half away from zero; a result that rounds to zero has
// no minus sign. NaN is written "NAN", the infinities "INF" and "-INF". Precision is held to 1..18.
//  ffGeneral: at most `precision` significant digits, trailing zeros dropped, the decimal separator only
//             when a fraction remains. Fixed notation while the rounded value has at most `precision`
//             digits before the separator and is not below 1E-5 in magnitude; otherwise scientific:
//             mantissa, "E", the exponent's sign, at least `digits` (0..4) exponent digits ("4E+0003").
//  ffNumber:  rounded once, at the `precision`-th significant digit or the `digits`-th decimal,
//             whichever comes first, then written with exactly `digits` (0..18) decimals and thousands
//             separators ("12,346.00"); in the scientific form of ffGeneral when the rounded value has
//             more than `precision` digits before the separator.
enum class FloatFormat { ffGeneral, ffNumber };
using enum FloatFormat;

// Separators of the user's locale, as UTF-8 text ("," and "\u00a0" in the Russian locale).
struct NumberSeparators {
  std::string decimal = ".";
  std::string thousands = ",";
};

std::string FloatToStrF(long double value, FloatFormat format, int precision, int digits,
                        const NumberSeparators& separators);

// Reads a number written with the locale's decimal separator: leading and trailing blanks (spaces,
// tabs), an optional sign, digits with at most one decimal separator (at least one digit), an optional
// exponent ("E" or "e", optional sign, digits). No thousands separators, no "INF"/"NAN". Independent of
// the C library's LC_NUMERIC. Returns nothing when the text is not a number or its magnitude is beyond
// the range of long double; a smaller one rounds to the nearest representable value, down to 0.
std::optional<long double> StrToFloat(std::string_view text, const NumberSeparators& separators);

}  // namespace viewer
