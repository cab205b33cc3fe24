#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <stdexcept>

#include "modal_helpers.h"
#include "viewer/platform/application.h"
#include "viewer/platform/canvas.h"
#include "viewer/platform/locale_numbers.h"

namespace viewer {
namespace {

// The tests run under the Russian locale: a decimal comma, a no-break space between thousands.
TEST(LocaleNumbersTest, UseTheUsersSeparatorsBothWays) {
  EXPECT_EQ(FloatToStrF(17.3205f, ffGeneral, 6, 0), QStringLiteral("17,3205"));
  EXPECT_EQ(FloatToStrF(12345.5, ffNumber, 5, 2), QString::fromUtf8("12\u00a0346,00"));
  EXPECT_DOUBLE_EQ(static_cast<double>(StrToFloat(QStringLiteral(" 0,25 "))), 0.25);
}

TEST(LocaleNumbersTest, ATextThatIsNotANumberRaisesTheConversionMessage) {
  try {
    StrToFloat(QStringLiteral("12a"));
    FAIL() << "no error raised";
  } catch (const ConversionError& error) {
    EXPECT_STREQ(error.what(), "'12a' is not a valid floating point value");
  }
}

// An object whose event handler fails, as a window handler might.
class FailingHandler : public QObject {
 public:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::User) throw std::runtime_error("handler failed");
    return QObject::event(event);
  }
};

TEST(ApplicationTest, AnExceptionFromAHandlerIsShownAndTheProgramGoesOn) {
  FailingHandler handler;
  QString shown;
  testing::CloseNextMessage(&shown);
  QEvent event(QEvent::User);
  QCoreApplication::sendEvent(&handler, &event);
  EXPECT_EQ(shown, QStringLiteral("handler failed"));
  // Still delivering events afterwards.
  QEvent ordinary(QEvent::None);
  EXPECT_NO_THROW(QCoreApplication::sendEvent(&handler, &ordinary));
}

TEST(ApplicationTest, MessageBoxHasTheTextAnEmptyTitleAndOneOkButton) {
  QString title = QStringLiteral("unset");
  int buttons = -1;
  testing::OnNextModal([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    buttons = static_cast<int>(box->buttons().size());
    box->accept();
  });
  ShowMessage(QStringLiteral("Can't open datafile!"));
  EXPECT_TRUE(title.isEmpty());
  EXPECT_EQ(buttons, 1);
}

TEST(CanvasTest, RectangleIsFilledWithTheBrushAndOutlinedWithThePen) {
  QImage image(40, 30, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    Canvas canvas(painter);
    canvas.SetPenColour(QColor(0, 128, 0));
    canvas.SetBrushColour(Qt::black);
    canvas.Rectangle(5, 0, 35, 20);
  }
  EXPECT_EQ(image.pixelColor(5, 10), QColor(0, 128, 0));
  EXPECT_EQ(image.pixelColor(34, 10), QColor(0, 128, 0));
  EXPECT_EQ(image.pixelColor(20, 19), QColor(0, 128, 0));
  EXPECT_EQ(image.pixelColor(20, 10), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(35, 10), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(20, 20), QColor(Qt::white));
}

TEST(CanvasTest, TextStandsOnAnOpaqueBackgroundOfTheBrushColour) {
  QImage image(60, 30, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.setFont(WindowFont(11));
    Canvas canvas(painter);
    canvas.SetBrushColour(Qt::black);
    canvas.SetFontColour(Qt::red);
    canvas.TextOut(2, 2, QStringLiteral("12"));
  }
  EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::black));
  bool anyRed = false;
  for (int y = 2; y < 16; ++y)
    for (int x = 2; x < 16; ++x) anyRed = anyRed || image.pixelColor(x, y).red() > 200;
  EXPECT_TRUE(anyRed);
}

}  // namespace
}  // namespace viewer
