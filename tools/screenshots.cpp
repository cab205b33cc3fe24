// Opens each window as a user would and saves what the screen shows of it.
#include <QDir>
#include <QScreen>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>

#include "oscilab/Field.h"
#include "oscilab/Input1.h"
#include "oscilab/window_set.h"
#include "ui_Field.h"
#include "viewer/graph/Graph.h"
#include "viewer/graph/choice.h"
#include "viewer/platform/application.h"

namespace {

void Save(QWidget& window, const QString& path) {
  QTest::qWait(300);
  window.screen()->grabWindow(window.winId()).save(path);
}

// Saves the next modal window once it is up, then closes it.
void SaveNextModal(const QString& path) {
  QTimer::singleShot(400, [path] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    Save(*modal, path);
    modal->close();
  });
}

}  // namespace

int main(int argc, char** argv) {
  viewer::Application application(argc, argv);
  const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
  oscilab::CreateForms();
  oscilab::TForm2& window = *oscilab::Form2;
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;
  auto& controls = window.Controls();
  for (QCheckBox* box : {controls.CheckBox1, controls.CheckBox3, controls.CheckBox4}) box->setChecked(true);
  for (int step = 0; step < 160; ++step) window.BitBtn1Click();
  Save(window, out.filePath(QStringLiteral("oscilab.png")));

  SaveNextModal(out.filePath(QStringLiteral("oscilab-parameters.png")));
  window.Button2Click();
  SaveNextModal(out.filePath(QStringLiteral("oscilab-phase.png")));
  window.Button4Click();

  // The graph window brings up its chooser first; its default choice is taken as it stands.
  QTimer::singleShot(400, [&out] {
    if (auto* chooser = dynamic_cast<viewer::TForm9*>(QApplication::activeModalWidget())) {
      chooser->Button1->click();
      SaveNextModal(out.filePath(QStringLiteral("oscilab-graphs.png")));
    }
  });
  window.Button1Click();
  oscilab::DestroyForms();
  return 0;
}
