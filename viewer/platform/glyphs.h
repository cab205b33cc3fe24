#pragma once

#include <QIcon>

namespace viewer {

// Small two-state images for the playback buttons: the "off" image shows what a click does, the
// "on" image what is going on.
QIcon StartStopGlyph();
QIcon ForwardGlyph();
QIcon BackGlyph();

}  // namespace viewer
