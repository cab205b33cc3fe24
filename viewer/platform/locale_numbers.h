#pragma once

#include <QString>
#include <stdexcept>

#include "viewer/core/conversion_message.h"
#include "viewer/core/number_format.h"

namespace viewer {

// A text that should have been a number; the message is the one users of the course material know.
class ConversionError : public std::runtime_error {
 public:
  explicit ConversionError(const QString& text);
};

// The separators of the user's locale.
NumberSeparators UserSeparators();

QString FloatToStrF(long double value, FloatFormat format, int precision, int digits);

// Throws ConversionError when the text is not a number written with the locale's separator.
long double StrToFloat(const QString& text);

}  // namespace viewer
