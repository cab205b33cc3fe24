#pragma once

#include <QApplication>
#include <QDialog>
#include <QFont>
#include <QString>
#include <stdexcept>

namespace viewer {

// The application object. An exception that escapes an event handler is shown in a message box
// and the program goes on, as a desktop user expects of a single failed action.
class Application : public QApplication {
 public:
  Application(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// Shows `mainWindow` from inside the message loop (so its show handler runs after every window has
// been created) and runs the loop until the main window closes.
int RunMessageLoop(QWidget& mainWindow);

// A message box with the text, an empty title and an OK button.
void ShowMessage(const QString& text);

// Shows a dialog modally and returns its result code (1 for OK, as the dialogs set it).
int ShowModal(QDialog& dialog);

// The windows' font: the layouts were drawn for a sans-serif of this pixel height.
QFont WindowFont(int pixelHeight);

// The hourglass cursor for the life of the object, around long computations.
class HourglassCursor {
 public:
  HourglassCursor();
  ~HourglassCursor();
  HourglassCursor(const HourglassCursor&) = delete;
  HourglassCursor& operator=(const HourglassCursor&) = delete;
};

}  // namespace viewer
