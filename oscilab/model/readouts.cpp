#include "readouts.h"

namespace oscilab {

namespace {

struct Readout {
  const char* text;
  int decimals;
};

// The capital of "Координата Х" is the Cyrillic Ha and the force subscripts "у" and "в" are Cyrillic;
// V, F, c and H are Latin.
constexpr Readout kReadouts[7] = {
    {"Время, сек ", 3},
    {"Координата Х, м  ", 2},
    {"Скорость V, м/с ", 2},
    {"Сила сопротивления Fc, H ", 2},
    {"Сила упругости Fу, H ", 2},
    {"Вынуждающая сила Fв, H ", 2},
    {"Положение начала с.к., м ", 2},
};

}  // namespace

std::array<std::string, 7> ReadoutTexts(const OscillationRun& run, const OscillationParameters& parameters,
                                        int frameIndex, const viewer::NumberSeparators& separators) {
  std::array<std::string, 7> texts;
  for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = kReadouts[i].text;
  if (frameIndex < 0 || frameIndex >= run.RecordedCount) return texts;

  const auto frame = static_cast<std::size_t>(frameIndex);
  const long double values[7] = {
      static_cast<long double>(frameIndex) * parameters.PrintStep,
      run.X[frame],
      run.V[frame],
      run.Fc[frame],
      run.Fel[frame],
      run.Fdr[frame],
      run.OriginPos,
  };
  for (std::size_t i = 0; i < texts.size(); ++i)
    texts[i] += viewer::FloatToStrF(values[i], viewer::ffNumber, 5, kReadouts[i].decimals, separators);
  return texts;
}

}  // namespace oscilab
