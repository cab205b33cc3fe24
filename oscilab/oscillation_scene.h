#pragma once

#include "oscilab/model/oscillation_model.h"

namespace viewer {
class OpenGLPanel;
}

namespace oscilab {

// Which arrows the option boxes ask for.
struct SceneOptions {
  bool velocity = false;        // CheckBox1 "Вектор скорости"
  bool resistingForce = false;  // CheckBox2 "Сила сопротивления"
  bool elasticForce = false;    // CheckBox3 "Сила упругости"
  bool drivingForce = false;    // CheckBox4 "Вынуждающая сила"
};

// The flat picture of the inclined plane, spring, damper, mass and arrows, in scene units: y from
// 0 (bottom) to 260 (top), x from 0 to the scene width, so a unit is square on screen.
namespace scene {

// Viewport and orthographic projection for a panel of the given pixel size; returns SceneWidth.
// The projection is multiplied onto the model-view matrix, which the paint pushes and pops on top of.
int SetUpProjection(int pixelWidth, int pixelHeight);

// Draws frame `frameIndex` of `run`; an empty run leaves the cleared background only.
void Paint(viewer::OpenGLPanel& panel, const OscillationRun& run, const OscillationParameters& parameters,
           int frameIndex, const SceneOptions& options);

// One arrow at the current origin along the current x axis, 40 units long when |value| == scale.
// Draws nothing when the length is not a finite number (scale 0 or not finite).
void DrawArrow(float value, float scale);

}  // namespace scene
}  // namespace oscilab
