#pragma once

namespace viewer {
class TForm8;
class TForm9;
}  // namespace viewer

namespace oscilab {

class TForm2;
class TForm3;
class TForm5;

// The program's windows, each created once and reached through its global.
extern TForm2* Form2;
extern TForm3* Form3;
extern viewer::TForm8* Form8;
extern viewer::TForm9* Form9;
extern TForm5* Form5;

// Creates every window, the main window first; the main window's show handler relies on all of
// them existing.
void CreateForms();
void DestroyForms();

}  // namespace oscilab
