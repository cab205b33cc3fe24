#include "parameter_file.h"

#include <stdlib.h>

#include <locale.h>
#include <cstdio>

#include "viewer/core/conversion_message.h"

namespace oscilab {

// Captions as the course's dialog has always shown them, blanks and the Latin "M" and "c" included.
const ParameterRow kParameterRows[OscillationParameters::kCount] = {
    {"Edit1", "Шаг расчета, с", "0.01", 5, 2},
    {"Edit2", "Шаг печати, с", "0,01", 4, 0},
    {"Edit3", "Время остановки счета,с", "10", 5, 0},
    {"Edit4", "Mасса точки,  кг", "2", 6, 0},
    {"Edit5", "Коэффициент демпфирования, Н.с/м", "0", 6, 0},
    {"Edit6", "Жесткость пружины, Н/м", "600", 5, 2},
    {"Edit7", "Амплитуда гармонической возмущающей силы, Н", "12", 5, 2},
    {"Edit8", "Частота гармонической возмущающей силы, 1/c", "17,3205", 6, 0},
    {"Edit9", "Начальная фаза гармонической возмущающей силы, угл. град", "0", 5, 0},
    {"Edit10", "Угол наклонной плоскости,  угл. град", "30", 5, 0},
    {"Edit11", "Ускорение свободного падения м/c^2", "9,8", 5, 0},
    {"Edit12", "Длина недеформированной пружины (для определен начал с.к), м (справочно)", "0,4", 5, 0},
    {"Edit13", "Начальное отклонение точки, м", "0", 5, 0},
    {"Edit14", "Начальная скорость точки , м/c", "0", 5, 0},
};

namespace {

// The file's numbers always use a decimal point, while the windows switch LC_NUMERIC to the user's
// locale; the conversion therefore runs in a C locale of its own.
locale_t ClassicLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
  return locale;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsHexDigit(char c) {
  return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool HasWordAt(std::string_view text, std::size_t pos, std::string_view word) {
  if (text.size() - pos < word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i)
    if (Lower(text[pos + i]) != word[i]) return false;
  return true;
}

std::size_t SkipWhile(std::string_view text, std::size_t pos, bool (*accept)(char)) {
  while (pos < text.size() && accept(text[pos])) ++pos;
  return pos;
}

// Digits with at most one point; `digitCount` tells how many digits there were.
std::size_t SkipMantissa(std::string_view text, std::size_t pos, bool (*isDigit)(char), int& digitCount) {
  const std::size_t start = pos;
  pos = SkipWhile(text, pos, isDigit);
  digitCount = static_cast<int>(pos - start);
  if (pos < text.size() && text[pos] == '.') {
    const std::size_t fraction = pos + 1;
    pos = SkipWhile(text, fraction, isDigit);
    digitCount += static_cast<int>(pos - fraction);
  }
  return pos;
}

// An exponent letter is taken even when no digits follow it, the way the C library's "%f" reads.
std::size_t SkipExponent(std::string_view text, std::size_t pos, char letter) {
  if (pos >= text.size() || Lower(text[pos]) != letter) return pos;
  ++pos;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
  return SkipWhile(text, pos, IsDigit);
}

// The end of the "%f" input item that starts at `pos`, or nothing when none starts there.
std::optional<std::size_t> ScanNumber(std::string_view text, std::size_t pos) {
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
  if (HasWordAt(text, pos, "inf")) {
    pos += 3;
    if (pos < text.size() && Lower(text[pos]) == 'i') {
      if (!HasWordAt(text, pos, "inity")) return std::nullopt;
      pos += 5;
    }
    return pos;
  }
  if (HasWordAt(text, pos, "nan")) return pos + 3;
  int digitCount = 0;
  if (HasWordAt(text, pos, "0x")) {
    pos = SkipMantissa(text, pos + 2, IsHexDigit, digitCount);
    if (digitCount == 0) return std::nullopt;
    return SkipExponent(text, pos, 'p');
  }
  pos = SkipMantissa(text, pos, IsDigit, digitCount);
  if (digitCount == 0) return std::nullopt;
  return SkipExponent(text, pos, 'e');
}

}  // namespace

int ReadParameterText(std::string_view text, OscillationParameters& parameters) {
  std::size_t pos = 0;
  for (int index = 0; index < OscillationParameters::kCount; ++index) {
    if (index > 0) {
      // The comma follows its number directly: a blank before it ends the reading.
      if (pos >= text.size() || text[pos] != ',') return index;
      ++pos;
    }
    pos = SkipWhile(text, pos, IsBlank);
    const std::optional<std::size_t> end = ScanNumber(text, pos);
    if (!end) return index;
    // strtof rounds the decimal text straight to single precision (no detour through double) and
    // overflows to an infinity; it stops by itself before a dangling exponent letter.
    const std::string number(text.substr(pos, *end - pos));
    parameters[index] = strtof_l(number.c_str(), nullptr, ClassicLocale());
    pos = *end;
  }
  return OscillationParameters::kCount;
}

std::optional<int> ReadParameterFile(const std::string& path, OscillationParameters& parameters) {
  std::FILE* file = std::fopen(path.c_str(), "r");
  if (!file) return std::nullopt;
  std::string content;
  char buffer[4096];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) content.append(buffer, got);
  // A directory opens but cannot be read: that is no parameter file either.
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return std::nullopt;
  return ReadParameterText(content, parameters);
}

ParameterTexts FormatParameterTexts(const OscillationParameters& parameters,
                                    const viewer::NumberSeparators& separators) {
  ParameterTexts texts;
  for (int index = 0; index < OscillationParameters::kCount; ++index) {
    const ParameterRow& row = kParameterRows[index];
    texts[index] =
        viewer::FloatToStrF(parameters[index], viewer::ffGeneral, row.precision, row.digits, separators);
  }
  return texts;
}

ParseResult ReadParameterTexts(const ParameterTexts& texts, const viewer::NumberSeparators& separators) {
  OscillationParameters parameters;
  for (int index = 0; index < OscillationParameters::kCount; ++index) {
    const std::optional<long double> value = viewer::StrToFloat(texts[index], separators);
    if (!value) return {std::nullopt, viewer::ConversionErrorMessage(texts[index])};
    parameters[index] = static_cast<float>(*value);
  }
  return {parameters, {}};
}

}  // namespace oscilab
