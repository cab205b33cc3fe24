#include "window_set.h"

#include <algorithm>
#include <memory>
#include <span>

#include "Field.h"
#include "Input1.h"
#include "Phase.h"
#include "viewer/graph/Graph.h"
#include "viewer/graph/choice.h"
#include "viewer/graph/graph_source.h"
#include "viewer/graph/graph_tables.h"

namespace oscilab {

TForm2* Form2 = nullptr;
TForm3* Form3 = nullptr;
viewer::TForm8* Form8 = nullptr;
viewer::TForm9* Form9 = nullptr;
TForm5* Form5 = nullptr;

namespace {

// The graph window's view of the run that the main window holds at the moment of each paint.
class OscilabGraphSource final : public viewer::GraphSource {
 public:
  viewer::SeriesView Series(std::string_view name) const override {
    const OscillationRun& run = Form2->Run;
    const auto recorded = static_cast<std::size_t>(std::max(run.RecordedCount, 0));
    if (name == "X") return {run.X, recorded};
    if (name == "V") return {run.V, recorded};
    return std::span<const float>();
  }
  viewer::ValueRange Range(int index) const override {
    return Form2->Run.Ranges[index == 0 ? kXRange : kVRange];
  }
  float RunTime() const override { return Form2->Parameters.StopTime; }
  float SampleSpacing() const override { return Form2->Parameters.PrintStep; }
  int SampleCount() const override { return static_cast<int>(Form2->Run.SampleCount); }
};

}  // namespace

void CreateForms() {
  Form2 = new TForm2;
  Form3 = new TForm3(Form2);
  Form8 = new viewer::TForm8(viewer::kOscilabGraphWindow, std::make_unique<OscilabGraphSource>(), Form2);
  // The chooser stands over the graph window, which shows it.
  Form9 = new viewer::TForm9(viewer::kOscilabGraphWindow, Form8);
  Form8->SetChooser(Form9);
  Form5 = new TForm5(Form2);
}

void DestroyForms() {
  // The secondary windows are children of the main window and go with it.
  delete Form2;
  Form2 = nullptr;
  Form3 = nullptr;
  Form8 = nullptr;
  Form9 = nullptr;
  Form5 = nullptr;
}

}  // namespace oscilab
