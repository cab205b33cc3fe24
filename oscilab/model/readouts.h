#pragma once

#include <array>
#include <string>

#include "oscillation_model.h"
#include "viewer/core/number_format.h"

namespace oscilab {

// The seven readouts of sample `frameIndex`, in the order of the labels Label1 (time), Label4 (X),
// Label5 (V), Label6 (Fc), Label8 (Fel), Label9 (Fdr) and Label2 (origin). The time is the frame
// index times the print step, not the integrated time. An empty run, or a frame that was never
// recorded, gives the fixed texts alone.
std::array<std::string, 7> ReadoutTexts(const OscillationRun& run, const OscillationParameters& parameters,
                                        int frameIndex, const viewer::NumberSeparators& separators);

}  // namespace oscilab
