#include "viewer/core/plot_layout.h"

#include <charconv>

namespace viewer {

namespace {

constexpr CurveColours Same(Rgb colour) {
  return {colour, colour};
}

constexpr LabelColumn kOscilabColumns[] = {
    {ColumnAnchor::kLeft, 0, clRed, {ffNumber, 4, 2}, 0},
    {ColumnAnchor::kRight, 30, clRed, {ffNumber, 3, 2}, 1},
};

constexpr ValueRange kOscilabFixedScales[] = {
    {.max = 1, .min = -1},
    {.max = 10, .min = -10},
};

constexpr CurveColours kOscilabPalette[] = {Same(clYellow), Same(clRed)};

constexpr LabelColumn kMotorColumns[] = {
    {ColumnAnchor::kLeft, 0, clRed, {ffGeneral, 2, 1}, 0},
    {ColumnAnchor::kLeft, 35, clBlue, {ffNumber, 3, 2}, 1},
    {ColumnAnchor::kRight, 60, clRed, {ffGeneral, 4, 4}, 2},
    {ColumnAnchor::kRight, 30, clBlue, {ffGeneral, 2, 4}, 3},
};

constexpr ValueRange kMotorFixedScales[] = {
    {.max = 2, .min = 0},         // X
    {.max = 2, .min = 0},         // Y
    {.max = 25, .min = -20},      // velocity
    {.max = 5000, .min = -5000},  // reaction
    {.max = 30, .min = -30},      // speed
};

constexpr CurveColours kMotorPalette[] = {
    Same(clYellow),    Same(clRed),    Same(clBlue),   Same(clWhite),
    {clNavy, clGreen}, Same(clMaroon), Same(clSilver),
};

constexpr LabelColumn kShipColumns[] = {
    {ColumnAnchor::kLeft, 0, clRed, {ffNumber, 4, 2}, 0},
    {ColumnAnchor::kLeft, 30, clBlue, {ffNumber, 3, 2}, 1},
    {ColumnAnchor::kRight, 60, clRed, {ffNumber, 3, 2}, 2},
    {ColumnAnchor::kRight, 30, clBlue, {ffNumber, 3, 2}, 3},
};

constexpr CurveColours kShipPalette[] = {
    Same(clYellow),
    Same(clRed),
    Same(clAqua),
    Same(clBlue),
    Same(clGray),
    Same(clWhite),
    Same(clMaroon),
    Same(clGray),
    Same(clOlive),
    Same(clPurple),
    Same(clSilver),
    Same(clFuchsia),
    Same(clSilver),
    Same(clNavy),
    Same(clTeal),
    Same(Rgb{10, 100, 37}),    // dark green
    Same(Rgb{100, 100, 200}),  // slate blue
    Same(Rgb{100, 150, 200}),  // steel blue
    Same(Rgb{250, 100, 200}),  // pink
};

}  // namespace

constinit const PlotLayout kOscilabPlotLayout{
    .sideMargin = 30,
    .bottomMargin = 20,
    .valueDivisions = 10,
    .timeDivisions = 20,
    .steps = StepKind::kWholePixels,
    .labelColumns = kOscilabColumns,
    .valueLabelFontSize = 0,
    .timeLabelFontSize = 0,
    .timeLabelStyle = {ffGeneral, 3, 5},
    .timeLabelColour = clRed,
    .holdBelowScaleAtBottom = true,
    .fixedScales = kOscilabFixedScales,
    .markerSpacing = MarkerSpacing::kRealQuotient,
    .palette = kOscilabPalette,
};

constinit const PlotLayout kMotorPlotLayout{
    .sideMargin = 60,
    .bottomMargin = 20,
    .valueDivisions = 10,
    .timeDivisions = 10,
    .steps = StepKind::kReal,
    .labelColumns = kMotorColumns,
    .valueLabelFontSize = 7,
    .timeLabelFontSize = 8,
    .timeLabelStyle = {ffGeneral, 3, 3},
    .timeLabelColour = clBlue,
    .holdBelowScaleAtBottom = false,
    .fixedScales = kMotorFixedScales,
    .markerSpacing = MarkerSpacing::kWholeDivision,
    .palette = kMotorPalette,
};

constinit const PlotLayout kShipPlotLayout{
    .sideMargin = 60,
    .bottomMargin = 20,
    .valueDivisions = 10,
    .timeDivisions = 20,
    .steps = StepKind::kReal,
    .labelColumns = kShipColumns,
    .valueLabelFontSize = 0,
    .timeLabelFontSize = 0,
    .timeLabelStyle = {ffGeneral, 3, 5},
    .timeLabelColour = clBlue,
    .holdBelowScaleAtBottom = false,
    .fixedScales = {},
    .markerSpacing = MarkerSpacing::kWholeDivision,
    .palette = kShipPalette,
};

int LabelColumnX(const LabelColumn& column, int paintBoxWidth) {
  return column.anchor == ColumnAnchor::kLeft ? column.offset : paintBoxWidth - column.offset;
}

std::optional<CurveColours> PaletteColours(const PlotLayout& layout, std::string_view tag) {
  int number = 0;
  const char* end = tag.data() + tag.size();
  const auto [stop, error] = std::from_chars(tag.data(), end, number);
  if (error != std::errc() || stop != end) return std::nullopt;
  if (number < 1 || static_cast<std::size_t>(number) > layout.palette.size()) return std::nullopt;
  return layout.palette[static_cast<std::size_t>(number) - 1];
}

}  // namespace viewer
