// Delivering user input to the forms run time's widgets in headless tests:
// the one Application of the test program, mouse clicks and typed text sent
// as real Qt events, now or when the event pump next runs.
#pragma once

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#include "platform/forms/window_runtime.h"

namespace charart::testing {

// The test program's run time, made on first use and kept to the end.
inline void EnsureFormsApplication() {
  static int argc = 1;
  static char name[] = "charart-tests";
  static char* argv[] = {name, nullptr};
  static auto* application = new forms::Application(argc, argv);
  (void)application;
}

// A left click in the middle of `widget`: press and release, sent at once or
// posted for the next event pump.
inline void Click(QWidget* widget, bool posted = false) {
  const QPointF local = QRectF(widget->rect()).center();
  const QPointF global = widget->mapToGlobal(local);
  for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    auto* event = new QMouseEvent(type, local, global, Qt::LeftButton,
                                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                  Qt::NoModifier);
    if (posted) {
      QCoreApplication::postEvent(widget, event);
    } else {
      QCoreApplication::sendEvent(widget, event);
      delete event;
    }
  }
}

inline void PostClick(QWidget* widget) {
  Click(widget, true);
}

// The window system's close request (the close button of the frame), posted
// for the next event pump.
inline void PostCloseRequest(QWidget* window) {
  QCoreApplication::postEvent(window->windowHandle(), new QCloseEvent);
}

// Types `text` into `widget` one character at a time, as the keyboard does.
inline void Type(QWidget* widget, const QString& text) {
  widget->setFocus();
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QCoreApplication::sendEvent(widget, &release);
  }
}

// Presses one key (Backspace, Return, ...) in `widget`.
inline void PressKey(QWidget* widget, Qt::Key key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &release);
}

}  // namespace charart::testing
