#include "application.h"

#include <QMessageBox>
#include <QTimer>
#include <clocale>
#include <exception>

namespace viewer {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  // QApplication adopted the user's locale for the C library as well; data files are written with a
  // decimal point, while on-screen numbers take their separators from QLocale.
  std::setlocale(LC_NUMERIC, "C");
}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ShowMessage(QString::fromUtf8(error.what()));
  }
  return false;
}

int RunMessageLoop(QWidget& mainWindow) {
  QTimer::singleShot(0, &mainWindow, [&mainWindow] { mainWindow.show(); });
  QApplication::exec();
  return 0;
}

void ShowMessage(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}

int ShowModal(QDialog& dialog) {
  return dialog.exec();
}

QFont WindowFont(int pixelHeight) {
  // Liberation Sans has the metrics of the face the layouts were drawn with; DejaVu Sans, the usual
  // fallback, is wider and makes labels at fixed positions run into each other.
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelHeight);
  return font;
}

HourglassCursor::HourglassCursor() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
}
HourglassCursor::~HourglassCursor() {
  QApplication::restoreOverrideCursor();
}

}  // namespace viewer
