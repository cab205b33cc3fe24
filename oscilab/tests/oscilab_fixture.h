#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include "oscilab/Field.h"
#include "oscilab/Input1.h"
#include "oscilab/window_set.h"
#include "ui_Field.h"
#include "viewer/platform/tests/modal_helpers.h"

namespace oscilab::testing {

inline constexpr const char* kNominalFile = "0.01,0.01,10,2,0,600,12,17.3205,0,30,9.8,0.4,0,0\n";

// The program's window set, started on a parameter file of the test's choosing.
class OscilabWindows : public ::testing::Test {
 protected:
  void SetUp() override { CreateForms(); }
  void TearDown() override { DestroyForms(); }

  // Writes `contents` as the parameter file and shows the main window, which reads it. Any
  // message box that start-up shows is closed and its text kept in `startupMessage`.
  void Start(const char* contents) {
    ASSERT_TRUE(directory.isValid());
    const QString path = directory.filePath(QStringLiteral("oscilab.dat"));
    if (contents) {
      QFile file(path);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(contents);
    }
    Form2->DataFileName = path;
    viewer::testing::CloseNextMessage(&startupMessage);
    Form2->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form2));
  }

  Ui::TForm2& ui() { return Form2->Controls(); }

  // Clicks "Параметры" with the dialog's texts set as given (row index -> text), then "Принять"
  // or "Отмена". A message box that follows is closed and its text kept in `message`.
  void EditParameters(const std::vector<std::pair<int, QString>>& texts, bool accept, QString* message) {
    viewer::testing::OnNextModal([=](QWidget* modal) {
      auto* dialog = dynamic_cast<TForm3*>(modal);
      ASSERT_NE(dialog, nullptr);
      for (const auto& [row, text] : texts) dialog->Edits[row]->setText(text);
      if (message) viewer::testing::CloseNextMessage(message);
      QTest::mouseClick(dialog->findChild<QPushButton*>(accept ? "Button1" : "Button2"), Qt::LeftButton);
    });
    QTest::mouseClick(ui().Button2, Qt::LeftButton);
  }

  QTemporaryDir directory;
  QString startupMessage;
};

}  // namespace oscilab::testing
