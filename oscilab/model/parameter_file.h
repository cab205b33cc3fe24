#pragma once

#include <string>
#include <string_view>

#include "oscillation_model.h"

namespace oscilab {

// Reads "v1,v2,...,v14" (decimal point, white space allowed before each number, each comma right
// after its number) into `parameters` in order. Reading stops at the first mismatch; parameters not
// read keep their values. Returns how many were read.
int ReadParameterText(std::string_view text, OscillationParameters& parameters);

// The dialog row of each parameter: name caption, nominal caption, ffGeneral precision and digits.
struct ParameterRow {
  const char* editName;
  const char* caption;
  const char* nominal;
  int precision;
  int digits;
};
extern const ParameterRow kParameterRows[OscillationParameters::kCount];

}  // namespace oscilab
