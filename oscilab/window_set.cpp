#include "window_set.h"

#include "Field.h"
#include "Input1.h"
#include "Phase.h"
#include "viewer/graph/Graph.h"
#include "viewer/graph/choice.h"

namespace oscilab {

TForm2* Form2 = nullptr;
TForm3* Form3 = nullptr;
viewer::TForm8* Form8 = nullptr;
viewer::TForm9* Form9 = nullptr;
TForm5* Form5 = nullptr;

void CreateForms() {
  Form2 = new TForm2;
  Form3 = new TForm3(Form2);
  Form8 = new viewer::TForm8(QStringLiteral("Графики"), Form2);
  Form9 = new viewer::TForm9(Form2);
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
