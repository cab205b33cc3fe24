#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace viewer {

// The two ways numbers are written on screen.
//  ffGeneral: at most `precision` significant digits, trailing zeros dropped, fixed notation for
//             ordinary magnitudes, scientific with at least `digits` exponent digits otherwise.
//  ffNumber:  exactly `digits` decimals with thousands separators.
enum class FloatFormat { ffGeneral, ffNumber };
using enum FloatFormat;

// Separators of the user's locale, as UTF-8 text ("," and "\u00a0" in the Russian locale).
struct NumberSeparators {
  std::string decimal = ".";
  std::string thousands = ",";
};

std::string FloatToStrF(long double value, FloatFormat format, int precision, int digits,
                        const NumberSeparators& separators);

// Reads a number written with the locale's decimal separator (leading and trailing blanks allowed,
// an optional exponent). Returns nothing when the text is not a number.
std::optional<long double> StrToFloat(std::string_view text, const NumberSeparators& separators);

}  // namespace viewer
