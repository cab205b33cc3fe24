#include "Field.h"

#include <GL/gl.h>

#include <QCoreApplication>
#include <QShowEvent>

#include "Input1.h"
#include "Phase.h"
#include "oscilab/model/parameter_file.h"
#include "oscilab/model/readouts.h"
#include "oscillation_scene.h"
#include "ui_Field.h"
#include "viewer/core/data_file_path.h"
#include "viewer/graph/Graph.h"
#include "viewer/platform/application.h"
#include "viewer/platform/locale_numbers.h"
#include "window_set.h"

namespace oscilab {

TForm2::TForm2(QWidget* parent) : viewer::PlaybackWindow(parent), ui_(std::make_unique<Ui::TForm2>()) {
  ui_->setupUi(this);
  setObjectName(QStringLiteral("Form2"));
  setFont(viewer::WindowFont(11));
  setFixedSize(size());
  move(60, 113);
  DataFileName = QString::fromStdString(
      viewer::DataFilePath(QCoreApplication::applicationFilePath().toStdString(), "oscilab.dat"));

  BindPlaybackControls({ui_->SpeedButton1, ui_->Button3, ui_->BitBtn1, ui_->BitBtn2, ui_->TrackBar3});
  connect(ui_->Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
  connect(ui_->Button2, &QPushButton::clicked, this, &TForm2::Button2Click);
  connect(ui_->Button4, &QPushButton::clicked, this, &TForm2::Button4Click);
  for (QCheckBox* box : {ui_->CheckBox1, ui_->CheckBox2, ui_->CheckBox3, ui_->CheckBox4})
    connect(box, &QCheckBox::clicked, this, &TForm2::CheckBox1Click);

  ui_->OpenGLPanel1->OnInit = [this] { OpenGLPanel1Init(); };
  ui_->OpenGLPanel1->OnResize = [this] { OpenGLPanel1Resize(); };
  ui_->OpenGLPanel1->OnPaint = [this] { OpenGLPanel1Paint(); };
}

TForm2::~TForm2() = default;

void TForm2::showEvent(QShowEvent* event) {
  viewer::PlaybackWindow::showEvent(event);
  // The parameter file is read once; restoring a minimised window shows it again.
  if (shown_) return;
  shown_ = true;
  FormShow();
}

void TForm2::FormShow() {
  if (!LoadParameterFile()) {
    viewer::ShowMessage(QStringLiteral("Can't open datafile!"));
    QCoreApplication::quit();
    return;
  }
  AcceptParameterTexts();
  UpdateReadouts();
  FinishShow();
}

bool TForm2::LoadParameterFile() {
  OscillationParameters fromFile;
  if (!ReadParameterFile(DataFileName.toStdString(), fromFile)) return false;
  Form3->SetTexts(FormatParameterTexts(fromFile, viewer::UserSeparators()));
  return true;
}

bool TForm2::AcceptParameterTexts() {
  const ParseResult parsed = ReadParameterTexts(Form3->Texts(), viewer::UserSeparators());
  if (!parsed.parameters) {
    viewer::ShowMessage(QString::fromStdString(parsed.error));
    return false;
  }
  if (const auto refusal = CheckParameters(*parsed.parameters)) {
    viewer::ShowMessage(QString::fromStdString(*refusal));
    return false;
  }
  viewer::HourglassCursor hourglass;
  RewindPlayback();
  Parameters = *parsed.parameters;
  Run = ComputeMotion(Parameters);
  return true;
}

void TForm2::Button2Click() {
  if (viewer::ShowModal(*Form3) != 1) return;
  if (!AcceptParameterTexts()) return;
  UpdateReadouts();
  Button3Click();
}

void TForm2::Button1Click() {
  viewer::ShowModal(*Form8);
}
void TForm2::Button4Click() {
  viewer::ShowModal(*Form5);
}
void TForm2::CheckBox1Click() {
  RepaintScene();
}

void TForm2::UpdateReadouts() {
  const auto texts = ReadoutTexts(Run, Parameters, FrameIndex(), viewer::UserSeparators());
  QLabel* labels[] = {ui_->Label1, ui_->Label4, ui_->Label5, ui_->Label6,
                      ui_->Label8, ui_->Label9, ui_->Label2};
  for (std::size_t i = 0; i < texts.size(); ++i) labels[i]->setText(QString::fromStdString(texts[i]));
}

void TForm2::RepaintScene() {
  ui_->OpenGLPanel1->Repaint();
}

int TForm2::LastFrame() const {
  return Run.LastFrame();
}

void TForm2::OpenGLPanel1Init() {
  SceneWidth = scene::SetUpProjection(ui_->OpenGLPanel1->PixelWidth(), ui_->OpenGLPanel1->PixelHeight());
  glClearColor(1, 1, 1, 1);
}

void TForm2::OpenGLPanel1Resize() {
  SceneWidth = scene::SetUpProjection(ui_->OpenGLPanel1->PixelWidth(), ui_->OpenGLPanel1->PixelHeight());
}

void TForm2::OpenGLPanel1Paint() {
  const SceneOptions options{ui_->CheckBox1->isChecked(), ui_->CheckBox2->isChecked(),
                             ui_->CheckBox3->isChecked(), ui_->CheckBox4->isChecked()};
  scene::Paint(*ui_->OpenGLPanel1, Run, Parameters, FrameIndex(), options);
}

}  // namespace oscilab
