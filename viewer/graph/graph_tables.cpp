#include "viewer/graph/graph_tables.h"

namespace viewer {

namespace {

// A sizeable window's frame: four pixels on each side and a title bar that, with the frame above it,
// takes 30 pixels.
constexpr int kFrameWidth = 8;
constexpr int kFrameHeight = 34;

constexpr TitleLabel kOscilabLabels[] = {
    {"Label3", 8, 8, "Координата", LabelStyle::kTitle},
    {"Label2", 600, 8, "Скорость", LabelStyle::kTitle},
    {"Label4", 640, 384, "t, сек", LabelStyle::kTimeAxis},
    {"Label1", 96, 422, "Время t ", LabelStyle::kTimeEditCaption},
};

constexpr CurveRow kOscilabCurves[] = {
    {"CheckBox1", 8, 20, "Координата", "X", 0, "1", true},
    {"CheckBox2", 8, 36, "Скорость", "V", 1, "2", true},
};

constexpr TitleLabel kMotorLabels[] = {
    {"Label2", 8, 8, "Координаты (x,y)", LabelStyle::kTitle},
    {"Label3", 524, 8, "Скорости / Реакции", LabelStyle::kTitle},
    {"Label4", 632, 384, "t, сек", LabelStyle::kTimeAxis},
};

constexpr CurveRow kMotorCurves[] = {
    {"CheckBox1", 8, 20, "X", "X", 0, "1", true},     {"CheckBox3", 8, 36, "Y", "Y", 1, "2", false},
    {"CheckBox5", 8, 52, "Vx", "Vx", 2, "4", false},  {"CheckBox6", 8, 68, "Vy", "Vy", 2, "3", false},
    {"CheckBox4", 8, 84, "V", "V", 4, "5", false},    {"CheckBox2", 8, 100, "Rx", "Rx", 3, "6", false},
    {"CheckBox7", 8, 116, "Ry", "Ry", 3, "7", false},
};

constexpr TitleLabel kShipLabels[] = {
    {"Label3", 8, 8, "Скорость", LabelStyle::kTitle},
    {"Label2", 660, 8, "Ускорение", LabelStyle::kTitle},
    {"Label1", 4, 32, "Лин.", LabelStyle::kWindow},
    {"Label5", 36, 32, "Угл.", LabelStyle::kWindow},
    {"Label7", 692, 32, "Лин.", LabelStyle::kWindow},
    {"Label6", 724, 32, "Угл.", LabelStyle::kWindow},
    {"Label4", 696, 400, "t, сек", LabelStyle::kTimeAxis},
};

// Some captions mix alphabets on purpose: \u041E\u041C is the Cyrillic "ОМ" and \u0435 the Cyrillic
// "е"; the other "OM" and "e" are Latin.
constexpr CurveRow kShipCurves[] = {
    {"CheckBox1", 8, 20, "Модуль скорости V", "V", 0, "1", true},
    {"CheckBox2", 8, 36, "Скорость Vksi", "Vksi", 0, "2", false},
    {"CheckBox3", 8, 52, "Скорость Veta", "Veta", 0, "3", false},
    {"CheckBox4", 8, 68, "Скорость Vzeta", "Vzeta", 0, "4", false},
    {"CheckBox12", 8, 92, "Модуль угловой скорости OM", "OM", 1, "9", false},
    {"CheckBox13", 8, 108, "Угловая скорость \u041E\u041Cksi", "OMksi", 1, "10", false},
    {"CheckBox14", 8, 124, "Угловая скорость \u041E\u041Ceta", "OMeta", 1, "11", false},
    {"CheckBox15", 8, 140, "Угловая скорость \u041E\u041Czeta", "OMzeta", 1, "12", false},
    {"CheckBox5", 184, 20, "Модуль ускорения W", "W", 2, "5", false},
    {"CheckBox6", 184, 36, "Ускорение Wksi", "Wksi", 2, "6", false},
    {"CheckBox7", 184, 52, "Ускорение Weta", "Weta", 2, "7", false},
    {"CheckBox8", 184, 68, "Ускорение Wzeta", "Wzeta", 2, "8", false},
    {"CheckBox16", 184, 92, "Модуль углового ускорения \u0435", "e", 3, "13", false},
    {"CheckBox17", 184, 108, "Угловое ускорение e_ksi", "e_ksi", 3, "14", false},
    {"CheckBox18", 184, 124, "Угловое ускорение e_eta", "e_eta", 3, "15", false},
    {"CheckBox19", 184, 140, "Угловое ускорение e_zeta", "e_zeta", 3, "16", false},
    {"CheckBox9", 116, 164, "Координата ksi", "ksi", 4, "17", false},
    {"CheckBox10", 116, 180, "Координата eta", "eta", 5, "18", false},
    {"CheckBox11", 116, 196, "Координата zeta", "zeta", 6, "19", false},
};

}  // namespace

constinit const GraphWindowLayout kOscilabGraphWindow{
    .caption = "Графики",
    .outerWidth = 717,
    .outerHeight = 511,
    .bevel4 = {0, -4, 693, 473},
    .bevel1 = {8, 32, 677, 369},
    .paintBox = {12, 36, 669, 361},
    .paintBoxFont = PaintBoxFont::kWindow,
    .labels = kOscilabLabels,
    .timeEditBevel = ControlPlace{8, 413, 157, 33},
    .timeEdit = ControlPlace{20, 417, 65, 21},
    .scaleGroup = ControlPlace{200, 408, 241, 53},
    .markersBox = {468, 412, 97, 17},
    .chooseButton = {592, 408, 97, 25},
    .closeButton = {592, 436, 97, 25},
    .plot = &kOscilabPlotLayout,
    .scaleCount = 2,
    .curves = kOscilabCurves,
    .chooser = {258, 172, {12, 12, 221, 69}, {80, 100, 75, 25}},
};

constinit const GraphWindowLayout kMotorGraphWindow{
    .caption = "Графики температур",
    .outerWidth = 707,
    .outerHeight = 532,
    .bevel4 = {0, 0, 693, 489},
    .bevel1 = {8, 32, 677, 369},
    .paintBox = {12, 36, 669, 361},
    .paintBoxFont = PaintBoxFont::kSerif11,
    .labels = kMotorLabels,
    .timeEditBevel = std::nullopt,
    .timeEdit = std::nullopt,
    .scaleGroup = ControlPlace{200, 416, 241, 53},
    .markersBox = {476, 420, 97, 17},
    .chooseButton = {584, 416, 97, 25},
    .closeButton = {592, 445, 83, 25},
    .plot = &kMotorPlotLayout,
    .scaleCount = 5,
    .curves = kMotorCurves,
    .chooser = {208, 229, {12, 12, 173, 145}, {56, 164, 75, 25}},
};

constinit const GraphWindowLayout kShipGraphWindow{
    .caption = "Графики",
    .outerWidth = 770,
    .outerHeight = 509,
    .bevel4 = {0, 0, 761, 473},
    .bevel1 = {4, 48, 745, 369},
    .paintBox = {8, 52, 737, 361},
    .paintBoxFont = PaintBoxFont::kWindow,
    .labels = kShipLabels,
    .timeEditBevel = std::nullopt,
    .timeEdit = std::nullopt,
    .scaleGroup = std::nullopt,
    .markersBox = {200, 440, 97, 17},
    .chooseButton = {308, 436, 97, 25},
    .closeButton = {664, 437, 83, 25},
    .plot = &kShipPlotLayout,
    .scaleCount = 7,
    .curves = kShipCurves,
    .chooser = {391, 336, {12, 12, 361, 225}, {124, 252, 75, 25}},
};

int ClientWidth(int outerWidth) {
  return outerWidth - kFrameWidth;
}
int ClientHeight(int outerHeight) {
  return outerHeight - kFrameHeight;
}

}  // namespace viewer
