#include "oscilab/oscillation_scene.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "viewer/platform/opengl_panel.h"

namespace oscilab::scene {
namespace {

// Fixed picture dimensions, in scene units.
constexpr double kSceneHeight = 260;
constexpr float kPlaneLength = 230;
constexpr float kArrowLength = 40;

// Scale of an arrow: the larger magnitude of its series' range.
float LargerMagnitude(const viewer::ValueRange& range) {
  return std::max(std::fabs(range.max), std::fabs(range.min));
}

void Line(float x1, float y1, float x2, float y2) {
  glBegin(GL_LINES);
  glVertex2f(x1, y1);
  glVertex2f(x2, y2);
  glEnd();
}

void Quad(float left, float bottom, float right, float top) {
  glBegin(GL_QUADS);
  glVertex2f(left, bottom);
  glVertex2f(right, bottom);
  glVertex2f(right, top);
  glVertex2f(left, top);
  glEnd();
}

void Plane(float angleDegrees) {
  glColor3f(0.5f, 0.5f, 0.5f);
  if (angleDegrees == 0) {
    glLineWidth(3);
    Line(0, 0, kPlaneLength, 0);
  } else if (angleDegrees == 90) {
    glLineWidth(3);
    Line(0, 0, 0, kPlaneLength);
  } else {
    // Here the angle is taken with a longer pi than the model's 1/57.3 degrees per radian.
    const long double radians = angleDegrees * 3.141592654L / 180;
    const float base = static_cast<float>(kPlaneLength * std::cos(radians));
    const float height = static_cast<float>(kPlaneLength * std::sin(radians));
    glBegin(GL_TRIANGLES);
    glVertex2f(0, 0);
    glVertex2f(base, 0);
    glVertex2f(base, height);
    glEnd();
  }
}

// A zigzag between heights 15 and 5 from x = -10 up to the spring's end, about twenty segments.
void Spring(float end) {
  const float pitch = static_cast<float>(end * 0.05L);
  if (!(pitch > 0)) return;  // nothing to draw, and no step that would ever reach the end
  float side = 1;
  glBegin(GL_LINE_STRIP);
  for (float along = 0; along < end; along = static_cast<float>(along + pitch)) {
    glVertex2f(along - 10, 5 * side + 10);
    side = -side;
  }
  glEnd();
}

}  // namespace

int SetUpProjection(int pixelWidth, int pixelHeight) {
  glViewport(0, 0, pixelWidth, pixelHeight);
  glLoadIdentity();
  const double aspect = pixelHeight == 0 ? pixelWidth : static_cast<double>(pixelWidth) / pixelHeight;
  const int sceneWidth = static_cast<int>(std::trunc(aspect * kSceneHeight));
  glOrtho(0, sceneWidth, 0, kSceneHeight, 0, 1);
  return sceneWidth;
}

void DrawArrow(float value, float scale) {
  const float length = static_cast<float>(kArrowLength * static_cast<long double>(value) / scale);
  // A series that never moved has a range of zero, and its arrow no length to draw.
  if (!std::isfinite(length)) return;
  const float magnitude = (length >= 0 ? 1.0f : -1.0f) * length;
  glPushMatrix();
  if (value < 0) glRotatef(180, 0, 0, 1);
  glLineWidth(3);
  Line(0, 0, magnitude, 0);
  glBegin(GL_TRIANGLES);
  glVertex2f(magnitude, -2.5f);
  glVertex2f(magnitude, 2.5f);
  glVertex2f(magnitude + 5, 0);
  glEnd();
  glPopMatrix();
}

void Paint(viewer::OpenGLPanel& panel, const OscillationRun& run, const OscillationParameters& parameters,
           int frameIndex, const SceneOptions& options) {
  glClear(GL_COLOR_BUFFER_BIT);
  if (run.empty()) return;
  const int frame = std::clamp(frameIndex, 0, run.LastFrame());

  // 0.4 m is the fixed offset of the picture; the mass stands 100 units up from the origin of u.
  const long double u = (run.OriginPos - 0.4L + run.X[frame]) * run.SceneScale;
  const float massPosition = static_cast<float>(u + 100);
  const float springEnd = static_cast<float>(u + 110);

  glPushMatrix();
  glTranslatef(60, 20, 0);  // the lower end of the plane
  Plane(parameters.PlaneAngle);

  glPushMatrix();
  glRotatef(parameters.PlaneAngle, 0, 0, 1);  // x up the plane from here on
  Quad(0, 0, 10, 30);                         // the fixed stop, in the plane's grey

  // The damper, spring and mass share this dark grey.
  glColor3f(0.2f, 0.2f, 0.2f);
  glLineWidth(2);
  const bool damped = parameters.Damping != 0;
  if (damped) {
    Line(0, 45, kPlaneLength, 45);
    Line(0, 35, kPlaneLength, 35);
  }
  glTranslatef(20, 0, 0);
  Spring(springEnd);

  glPushMatrix();
  glTranslatef(massPosition, 0, 0);  // the centre of the mass's base
  if (damped) {
    Line(0, 0, 0, 37);
    Quad(-5, 36, 5, 44);
  }
  Quad(-10, 0, 10, 30);

  struct Arrow {
    bool shown;
    float red, green, blue;
    float value, scale;
  };
  const Arrow arrows[] = {
      {options.velocity && !run.Ranges[kVRange].IsZero(), 0, 0, 1, run.V[frame],
       LargerMagnitude(run.Ranges[kVRange])},
      {options.resistingForce && damped, 0, 1, 0, run.Fc[frame], LargerMagnitude(run.Ranges[kFcRange])},
      {options.elasticForce && parameters.Stiffness != 0, 1, 0, 1, run.Fel[frame],
       LargerMagnitude(run.Ranges[kFelRange])},
      {options.drivingForce && parameters.ForceAmplitude != 0, 1, 0, 0, run.Fdr[frame],
       parameters.ForceAmplitude},
  };
  for (const Arrow& arrow : arrows) {
    if (!arrow.shown) continue;
    glPushMatrix();
    glTranslatef(0, 15, 0);
    glColor3f(arrow.red, arrow.green, arrow.blue);
    DrawArrow(arrow.value, arrow.scale);
    glPopMatrix();
  }
  glPopMatrix();

  // The origin of x: where the mass's centre stands when x is 0.
  const float origin = static_cast<float>((run.OriginPos - 0.4L) * run.SceneScale + 100);
  glColor3f(1, 0, 0);
  glLineWidth(2);
  Line(origin, 0, origin, 60);
  // A label beyond the range of int would stand far outside the view anyway.
  const float labelX = std::trunc(origin + 5);
  if (std::fabs(labelX) < 1e9f) {
    glRasterPos2i(static_cast<int>(labelX), 60);
    panel.Draw2DText("s0");
  }

  glPopMatrix();
  glPopMatrix();
}

}  // namespace oscilab::scene
