#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "viewer/core/number_format.h"
#include "viewer/core/sample_series.h"

namespace viewer {

// A colour as the graphs use it, free of any toolkit.
struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb clBlack{0, 0, 0};
inline constexpr Rgb clMaroon{128, 0, 0};
inline constexpr Rgb clGreen{0, 128, 0};
inline constexpr Rgb clOlive{128, 128, 0};
inline constexpr Rgb clNavy{0, 0, 128};
inline constexpr Rgb clPurple{128, 0, 128};
inline constexpr Rgb clTeal{0, 128, 128};
inline constexpr Rgb clGray{128, 128, 128};
inline constexpr Rgb clSilver{192, 192, 192};
inline constexpr Rgb clRed{255, 0, 0};
inline constexpr Rgb clYellow{255, 255, 0};
inline constexpr Rgb clBlue{0, 0, 255};
inline constexpr Rgb clFuchsia{255, 0, 255};
inline constexpr Rgb clAqua{0, 255, 255};
inline constexpr Rgb clWhite{255, 255, 255};
// The face colour of buttons, which is also the window background under the plot and behind every
// label. It is a desktop setting; this is the light grey it has on a default desktop.
inline constexpr Rgb clBtnFace{240, 240, 240};

// How one number is written: the format, precision and digit count handed to FloatToStrF.
struct NumberStyle {
  FloatFormat format = ffGeneral;
  int precision = 0;
  int digits = 0;
};

// Which paint-box edge a label column's x offset is measured from.
enum class ColumnAnchor { kLeft, kRight };

// One column of value labels beside the frame.
struct LabelColumn {
  ColumnAnchor anchor = ColumnAnchor::kLeft;
  int offset = 0;  // pixels from the left edge, or back from the right edge (x = W - offset)
  Rgb colour;
  NumberStyle style;
  int scaleIndex = 0;  // the scale it labels, in the order the program lists its scales
};

int LabelColumnX(const LabelColumn& column, int paintBoxWidth);

// The pen of a curve's polyline and the font colour of its markers.
struct CurveColours {
  Rgb pen;
  Rgb marker;
};

// Whether the frame's steps are whole pixels (quotients by whole-number division, whole-pixel
// accumulators) or real numbers (double-precision steps, single-precision accumulators).
enum class StepKind { kWholePixels, kReal };

// How the marker spacing K = n / 10 is formed from the span's sample count n.
enum class MarkerSpacing { kRealQuotient, kWholeDivision };

// Everything in which the three programs' graphs differ.
struct PlotLayout {
  int sideMargin = 0;    // the frame runs from x = sideMargin to x = W - sideMargin
  int bottomMargin = 0;  // the frame runs from y = 0 to y = H - bottomMargin
  int valueDivisions = 0;
  int timeDivisions = 0;  // also gives the time-label factor 1 / timeDivisions (0.05 or 0.1)
  StepKind steps = StepKind::kWholePixels;
  std::span<const LabelColumn> labelColumns;
  int valueLabelFontSize = 0;  // 0 keeps the canvas's own size
  int timeLabelFontSize = 0;   // used for the markers too; 0 keeps the canvas's own size
  NumberStyle timeLabelStyle;
  Rgb timeLabelColour;
  // When set, a curve sample below its scale's min (or not a number) is drawn on the frame's bottom
  // edge; otherwise it is drawn where it falls, below the frame.
  bool holdBelowScaleAtBottom = false;
  // The program's scales when the fixed scale mode is chosen, in its scale order; empty when the
  // program has automatic scales only.
  std::span<const ValueRange> fixedScales;
  MarkerSpacing markerSpacing = MarkerSpacing::kRealQuotient;
  // Curve colours by tag: tag "1" is element 0.
  std::span<const CurveColours> palette;

  bool HasFixedScales() const { return !fixedScales.empty(); }
};

// Scales of oscilab: 0 coordinate, 1 velocity.
extern const PlotLayout kOscilabPlotLayout;
// Scales of motor: 0 X, 1 Y, 2 velocity (Vx, Vy), 3 reaction (Rx, Ry), 4 speed (V).
extern const PlotLayout kMotorPlotLayout;
// Scales of ship, as passed to the axes: 0 VRange, 1 OMRange, 2 WRange, 3 eRange.
extern const PlotLayout kShipPlotLayout;

// The colours of the curve with the given tag, or nothing when the tag is not a whole number naming
// an entry of the palette (the drawing then keeps the colours it had).
std::optional<CurveColours> PaletteColours(const PlotLayout& layout, std::string_view tag);

}  // namespace viewer
