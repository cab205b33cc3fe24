#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace viewer::testing {

// Arms a one-shot action on the next modal window, for use just before the call that opens it.
inline void OnNextModal(std::function<void(QWidget*)> action, int delayMs = 50) {
  QTimer::singleShot(delayMs, [action] {
    QWidget* modal = QApplication::activeModalWidget();
    action(modal);
  });
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
