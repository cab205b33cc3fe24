#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace viewer::testing {

// Owner of the actions armed on modal windows. Every test's leftovers are cancelled when it ends
// (see gui_test_main.cpp): an action armed for a window that never came up must not fire in the
// next test, on that test's windows, with the finished test's variables.
inline QObject& PendingModalActions() {
  static QObject* owner = new QObject;
  return *owner;
}

inline void CancelPendingModalActions() {
  qDeleteAll(PendingModalActions().children());
}

// Arms a one-shot action on the modal window that is up `delayMs` from now, for use just before
// the call that opens it.
inline void OnNextModal(std::function<void(QWidget*)> action, int delayMs = 50) {
  auto* timer = new QTimer(&PendingModalActions());
  timer->setSingleShot(true);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, action] {
    timer->deleteLater();
    action(QApplication::activeModalWidget());
  });
  timer->start(delayMs);
}

// Arms the closing of the next message box and keeps its text in `text`.
inline void CloseNextMessage(QString* text) {
  OnNextModal([text](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (!box) return;
    if (text) *text = box->text();
    box->accept();
  });
}

}  // namespace viewer::testing
