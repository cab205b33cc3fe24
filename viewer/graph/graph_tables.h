#pragma once

#include <optional>
#include <span>

#include "viewer/core/plot_layout.h"

// What the three programs' graph windows and choosers are made of: the controls with their places,
// the title labels over the label columns, and the curve table that says which chooser box draws which
// series, on which scale, under which tag. One window class and one chooser class read these.

namespace viewer {

// A control's place in its window's client area, in pixels.
struct ControlPlace {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

enum class LabelStyle {
  kWindow,          // the window's own font
  kTitle,           // serif, 19 px: the titles over the label columns
  kTimeAxis,        // serif, 15 px, bold and blue: "t, сек" beside the time labels
  kTimeEditCaption  // the window's face, 15 px bold: the caption of the time edit
};

struct TitleLabel {
  const char* name;
  int left;
  int top;
  const char* text;
  LabelStyle style;
};

// Where the paint box takes its canvas font from.
enum class PaintBoxFont {
  kWindow,  // the window's own, 11 px sans-serif
  kSerif11  // a serif face of 11 px of its own
};

// One chooser box and the curve it stands for; the rows are in drawing order.
struct CurveRow {
  const char* box;  // the chooser box's name
  int left;         // the box's place in the chooser's group
  int top;
  const char* caption;
  const char* series;  // the series, by the name the program's graph source knows it by
  int scale;           // the program's scale index (see the PlotLayout's scale order)
  const char* tag;     // picks the colours and is the markers' text
  bool checkedAtStart;
};

struct ChooserLayout {
  int outerWidth = 0;
  int outerHeight = 0;
  ControlPlace groupBox;
  ControlPlace button;
};

struct GraphWindowLayout {
  const char* caption;
  int outerWidth;
  int outerHeight;
  ControlPlace bevel4;  // around the content
  ControlPlace bevel1;  // around the plot
  ControlPlace paintBox;
  PaintBoxFont paintBoxFont;
  std::span<const TitleLabel> labels;
  // The time-span edit with its frame; absent where the span is always the whole run.
  std::optional<ControlPlace> timeEditBevel;
  std::optional<ControlPlace> timeEdit;
  // The scale group "Масштаб"; absent where the scales always follow the run's ranges.
  std::optional<ControlPlace> scaleGroup;
  ControlPlace markersBox;
  ControlPlace chooseButton;
  ControlPlace closeButton;
  const PlotLayout* plot;
  // How many scales the curves use: the label columns' scales first, in the PlotLayout's order.
  int scaleCount;
  std::span<const CurveRow> curves;
  ChooserLayout chooser;

  bool HasTimeEdit() const { return timeEdit.has_value(); }
  bool HasScaleChoice() const { return scaleGroup.has_value(); }
};

// oscilab: series "X" and "V"; scales 0 coordinate (range of X), 1 velocity (range of V).
extern const GraphWindowLayout kOscilabGraphWindow;
// motor: series "X", "Y", "Vx", "Vy", "V", "Rx", "Ry"; scales 0 XRange, 1 YRange, 2 VelocityRange,
// 3 ReactionRange, 4 SpeedRange.
extern const GraphWindowLayout kMotorGraphWindow;
// ship: series "V", "Vksi", "Veta", "Vzeta", "OM", "OMksi", "OMeta", "OMzeta", "W", "Wksi", "Weta",
// "Wzeta", "e", "e_ksi", "e_eta", "e_zeta", "ksi", "eta", "zeta"; scales 0 VRange, 1 OMRange, 2 WRange,
// 3 eRange, 4 ksiRange, 5 etaRange, 6 zetaRange.
extern const GraphWindowLayout kShipGraphWindow;

// The client size of a window drawn with the given outer size: the layouts give outer sizes of a
// framed window with a title bar.
int ClientWidth(int outerWidth);
int ClientHeight(int outerHeight);

}  // namespace viewer
