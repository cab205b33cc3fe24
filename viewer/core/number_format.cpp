#include "viewer/core/number_format.h"

#include <locale.h>
#include <stdlib.h>
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>

namespace viewer {

namespace {

// Every text is made from this many significant digits of the binary value, and only then rounded to the
// requested precision. Rounding the digit string rather than the binary value is what makes 0.125 become
// "0.13" (half away from zero) while the float 0.005f, which lies just below 0.005, becomes "0.00".
constexpr int kConversionDigits = 18;

constexpr int kMaxPrecision = 18;
constexpr int kMaxDecimals = 18;
constexpr int kMaxExponentDigits = 4;

// A finite value as 0.d1 d2 ... dn × 10^point. `digits` holds no leading or trailing zeros and is empty
// for zero; `point` is the number of digits before the decimal separator (zero or negative for values
// below 0.1).
struct DecimalDigits {
  bool negative = false;
  std::string digits;
  int point = 0;
};

void DropTrailingZeros(std::string& digits) {
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
}

DecimalDigits ToDecimalDigits(long double value) {
  // to_chars rather than printf: the C library's conversions follow LC_NUMERIC, which the GUI switches to
  // the user's locale.
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                                    kConversionDigits - 1);
  const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));

  DecimalDigits decimal;
  std::size_t i = 0;
  if (i < text.size() && text[i] == '-') {
    decimal.negative = true;
    ++i;
  }
  for (; i < text.size() && text[i] != 'e'; ++i) {
    if (text[i] >= '0' && text[i] <= '9') decimal.digits += text[i];
  }
  int exponent = 0;
  if (i < text.size()) {
    ++i;  // 'e'
    bool negative_exponent = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative_exponent = text[i++] == '-';
    for (; i < text.size(); ++i) exponent = exponent * 10 + (text[i] - '0');
    if (negative_exponent) exponent = -exponent;
  }
  decimal.point = exponent + 1;
  DropTrailingZeros(decimal.digits);
  // A zero mantissa never has leading zeros in scientific form, so an all-zero string means the value is 0.
  return decimal;
}

// Keeps at most `keep` significant digits, rounding half away from zero on the digit string. `keep` may
// be zero or negative when the rounding position lies left of the first digit.
void RoundToDigits(DecimalDigits& decimal, int keep) {
  if (decimal.digits.empty()) return;
  if (keep < 0) {
    decimal.digits.clear();
    return;
  }
  const auto kept = static_cast<std::size_t>(keep);
  if (kept >= decimal.digits.size()) return;
  const bool round_up = decimal.digits[kept] >= '5';
  decimal.digits.resize(kept);
  if (round_up) {
    while (!decimal.digits.empty() && decimal.digits.back() == '9') decimal.digits.pop_back();
    if (decimal.digits.empty()) {
      // 0.999... became 1.000...: one digit more before the separator.
      decimal.digits = "1";
      ++decimal.point;
    } else {
      ++decimal.digits.back();
    }
  }
  DropTrailingZeros(decimal.digits);
}

std::string IntegerDigits(const DecimalDigits& decimal) {
  if (decimal.point <= 0) return "0";
  const auto length = static_cast<std::size_t>(decimal.point);
  std::string integer = decimal.digits.substr(0, length);
  integer.append(length - integer.size(), '0');
  return integer;
}

std::string FractionDigits(const DecimalDigits& decimal) {
  if (decimal.point >= 0) {
    const auto start = static_cast<std::size_t>(decimal.point);
    return start < decimal.digits.size() ? decimal.digits.substr(start) : std::string();
  }
  return std::string(static_cast<std::size_t>(-decimal.point), '0') + decimal.digits;
}

std::string GroupThousands(const std::string& integer, const std::string& separator) {
  std::string grouped;
  for (std::size_t i = 0; i < integer.size(); ++i) {
    if (i > 0 && (integer.size() - i) % 3 == 0) grouped += separator;
    grouped += integer[i];
  }
  return grouped;
}

std::string Sign(const DecimalDigits& decimal) {
  // A value that rounded to zero is written without a sign.
  return decimal.negative && !decimal.digits.empty() ? "-" : "";
}

std::string Scientific(const DecimalDigits& decimal, int exponent_digits,
                       const NumberSeparators& separators) {
  std::string text = Sign(decimal);
  text += decimal.digits[0];
  if (decimal.digits.size() > 1) text += separators.decimal + decimal.digits.substr(1);
  const int exponent = decimal.point - 1;
  text += exponent < 0 ? "E-" : "E+";
  std::string magnitude = std::to_string(exponent < 0 ? -exponent : exponent);
  if (magnitude.size() < static_cast<std::size_t>(exponent_digits)) {
    magnitude.insert(0, static_cast<std::size_t>(exponent_digits) - magnitude.size(), '0');
  }
  return text + magnitude;
}

std::string FormatGeneral(DecimalDigits decimal, int precision, int exponent_digits,
                          const NumberSeparators& separators) {
  RoundToDigits(decimal, precision);
  if (decimal.digits.empty()) return "0";
  // Fixed notation down to 1E-5 (0.00001, whose point position is -4).
  if (decimal.point > precision || decimal.point < -4) {
    return Scientific(decimal, exponent_digits, separators);
  }
  std::string text = Sign(decimal) + IntegerDigits(decimal);
  const std::string fraction = FractionDigits(decimal);
  if (!fraction.empty()) text += separators.decimal + fraction;
  return text;
}

std::string FormatNumber(DecimalDigits decimal, int precision, int decimals, int exponent_digits,
                         const NumberSeparators& separators) {
  // One rounding only, at whichever of the two limits is reached first; rounding twice would turn
  // 2.249 into 2.25 and then 2.3.
  RoundToDigits(decimal, std::min(precision, decimal.point + decimals));
  if (!decimal.digits.empty() && decimal.point > precision) {
    return Scientific(decimal, exponent_digits, separators);
  }
  std::string text = Sign(decimal) + GroupThousands(IntegerDigits(decimal), separators.thousands);
  if (decimals > 0) {
    std::string fraction = decimal.digits.empty() ? std::string() : FractionDigits(decimal);
    fraction.append(static_cast<std::size_t>(decimals) - fraction.size(), '0');
    text += separators.decimal + fraction;
  }
  return text;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// strtold alone would read the decimal point of LC_NUMERIC, which the GUI sets to the user's locale.
locale_t ClassicLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
  return locale;
}

}  // namespace

std::string FloatToStrF(long double value, FloatFormat format, int precision, int digits,
                        const NumberSeparators& separators) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  precision = std::clamp(precision, 1, kMaxPrecision);
  const int exponent_digits = std::clamp(digits, 0, kMaxExponentDigits);
  const DecimalDigits decimal = ToDecimalDigits(value);
  if (format == ffGeneral) return FormatGeneral(decimal, precision, exponent_digits, separators);
  return FormatNumber(decimal, precision, std::clamp(digits, 0, kMaxDecimals), exponent_digits, separators);
}

std::optional<long double> StrToFloat(std::string_view text, const NumberSeparators& separators) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);

  // Rewrite the number in the C locale's notation; anything that does not fit the grammar is refused here,
  // so strtold never sees its own extensions (hexadecimal, "inf", "nan").
  std::string c_text;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) c_text += text[i++];
  int mantissa_digits = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i, ++mantissa_digits) c_text += text[i];
  const std::string& decimal = separators.decimal;
  if (!decimal.empty() && text.substr(i).starts_with(decimal)) {
    c_text += '.';
    i += decimal.size();
    for (; i < text.size() && IsDigit(text[i]); ++i, ++mantissa_digits) c_text += text[i];
  }
  if (mantissa_digits == 0) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    c_text += 'e';
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) c_text += text[i++];
    int exponent_digits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i, ++exponent_digits) c_text += text[i];
    if (exponent_digits == 0) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;

  errno = 0;
  const long double value = strtold_l(c_text.c_str(), nullptr, ClassicLocale());
  // Too large for any floating type: not a number we can hold. Too small is simply zero.
  if (errno == ERANGE && std::isinf(value)) return std::nullopt;
  return value;
}

}  // namespace viewer
