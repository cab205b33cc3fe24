#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "oscillation_model.h"
#include "viewer/core/number_format.h"

namespace oscilab {

// Reads "v1,v2,...,v14" (decimal point, white space allowed before each number, each comma right
// after its number) into `parameters` in order. Reading stops at the first mismatch; parameters not
// read keep their values. Returns how many were read.
// Each number is read as the C library's "%f" reads it in the C locale, whatever the process locale:
// an optional sign, then decimal digits with an optional point and exponent, a hexadecimal "0x"
// number, "inf", "infinity" or "nan" (any case). A dangling exponent letter ("1e,") is taken as part
// of the number and ignored.
int ReadParameterText(std::string_view text, OscillationParameters& parameters);

// Reads the parameter file at `path` with ReadParameterText. Nothing when the file cannot be opened
// or read.
std::optional<int> ReadParameterFile(const std::string& path, OscillationParameters& parameters);

// The dialog row of each parameter: name caption, nominal caption, ffGeneral precision and digits.
struct ParameterRow {
  const char* editName;
  const char* caption;
  const char* nominal;
  int precision;
  int digits;
};
extern const ParameterRow kParameterRows[OscillationParameters::kCount];

// The texts of the dialog's edit fields, row by row.
using ParameterTexts = std::array<std::string, OscillationParameters::kCount>;

// Each parameter written in its row's general format with the given separators.
ParameterTexts FormatParameterTexts(const OscillationParameters& parameters,
                                    const viewer::NumberSeparators& separators);

// Either all 14 parameters or the conversion message for the first text that is not a number.
struct ParseResult {
  std::optional<OscillationParameters> parameters;
  std::string error;
};

// Converts every text, rounded to single precision, before anything is handed back, so that a bad
// text leaves the caller's parameters and run untouched.
ParseResult ReadParameterTexts(const ParameterTexts& texts, const viewer::NumberSeparators& separators);

}  // namespace oscilab
