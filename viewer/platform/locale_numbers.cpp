#include "locale_numbers.h"

#include <QLocale>

namespace viewer {

ConversionError::ConversionError(const QString& text)
    : std::runtime_error(ConversionErrorMessage(text.toStdString())) {}

NumberSeparators UserSeparators() {
  const QLocale locale = QLocale::system();
  return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

QString FloatToStrF(long double value, FloatFormat format, int precision, int digits) {
  return QString::fromStdString(viewer::FloatToStrF(value, format, precision, digits, UserSeparators()));
}

long double StrToFloat(const QString& text) {
  const auto value = viewer::StrToFloat(text.toStdString(), UserSeparators());
  if (!value) throw ConversionError(text);
  return *value;
}

}  // namespace viewer
