#include <exception>

#include "Field.h"
#include "viewer/platform/application.h"
#include "window_set.h"

int main(int argc, char** argv) {
  viewer::Application application(argc, argv);
  try {
    oscilab::CreateForms();
    viewer::RunMessageLoop(*oscilab::Form2);
  } catch (const std::exception& error) {
    viewer::ShowMessage(QString::fromUtf8(error.what()));
  }
  oscilab::DestroyForms();
  return 0;
}
