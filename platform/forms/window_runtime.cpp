#include "platform/forms/window_runtime.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFont>
#include <QLineEdit>
#include <QMargins>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QThread>
#include <QWidget>
#include <algorithm>
#include <map>
#include <utility>

#include "platform/fonts/font_setup.h"
#include "platform/forms/busy_scope.h"
#include "platform/forms/event_pump.h"
#include "platform/forms/fatal_error.h"
#include "platform/win32/code_pages.h"

namespace charart::forms {
namespace {

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Control content crosses to the program as GBK, as an ANSI window on a GBK
// system hands it over: characters without a GBK form become "?".
std::string ToGbk(const QString& text) {
  if (text.isEmpty()) return {};
  const auto* units = reinterpret_cast<const char16_t*>(text.utf16());
  const auto count = static_cast<std::int32_t>(text.size());
  const std::int32_t needed =
      win32::WideCharToMultiByte(win32::CP_GBK, 0, units, count, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return {};
  std::string gbk(static_cast<std::size_t>(needed), '\0');
  win32::WideCharToMultiByte(win32::CP_GBK, 0, units, count, gbk.data(), needed, nullptr, nullptr);
  // A text holds no NUL: what a NUL typed into a control is followed by is
  // not part of it.
  if (const auto nul = gbk.find('\0'); nul != std::string::npos) gbk.resize(nul);
  return gbk;
}

QString FromGbk(std::string_view gbk) {
  if (gbk.empty()) return {};
  const auto count = static_cast<std::int32_t>(gbk.size());
  const std::int32_t needed =
      win32::MultiByteToWideChar(win32::CP_GBK, 0, gbk.data(), count, nullptr, 0);
  if (needed <= 0) return {};
  QString text(needed, QChar(0));
  win32::MultiByteToWideChar(win32::CP_GBK, 0, gbk.data(), count,
                             reinterpret_cast<char16_t*>(text.data()), needed);
  return text;
}

// A multi-line box hands its lines over with CR LF between them, as a
// Windows edit box does; Qt keeps paragraphs apart with "\n".
QString WithCrLf(QString text) {
  text.replace(QChar::LineSeparator, QChar('\n'));
  text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return text;
}

// The top-level widget. Its size on the screen is the outer size of the
// description, frame included, whatever frame the window system adds; a
// close is deferred while a conversion runs.
class FormWidget : public QWidget {
 public:
  FormWidget(const Placement& place, bool resizable) : place_(place), resizable_(resizable) {
    setAttribute(Qt::WA_QuitOnClose, true);
    FitOuterSize();
  }

  bool Closed() const { return closed_; }

 protected:
  void closeEvent(QCloseEvent* event) override {
    if (BusyScope::Depth() > 0) {
      event->ignore();
      if (!closePending_) {
        closePending_ = true;
        RunWhenIdle([self = QPointer<FormWidget>(this)] {
          if (self.isNull()) return;
          self->closePending_ = false;
          self->close();
        });
      }
      return;
    }
    event->accept();
    closed_ = true;
  }

  bool event(QEvent* event) override {
    const bool handled = QWidget::event(event);
    switch (event->type()) {
      case QEvent::Show:
      case QEvent::Move:
      case QEvent::Resize:
        // The frame becomes known only once the window system has decorated
        // the window; refit when it differs from the one last fitted for.
        if (FrameMargins() != fittedFrame_) FitOuterSize();
        break;
      default:
        break;
    }
    return handled;
  }

 private:
  QMargins FrameMargins() const {
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
  }

  void FitOuterSize() {
    fittedFrame_ = FrameMargins();
    const QSize client(std::max(1, place_.width - fittedFrame_.left() - fittedFrame_.right()),
                       std::max(1, place_.height - fittedFrame_.top() - fittedFrame_.bottom()));
    if (resizable_) {
      resize(client);
    } else {
      setFixedSize(client);
    }
    move(place_.left, place_.top);  // a window's position is that of its frame
  }

  Placement place_;
  bool resizable_;
  QMargins fittedFrame_;
  bool closed_ = false;
  bool closePending_ = false;
};

void ApplyFont(QWidget* widget, const ControlDescription& control) {
  if (control.fontFamilies.empty() && control.fontPixelSize <= 0) return;
  QFont font = widget->font();
  if (!control.fontFamilies.empty()) {
    QStringList families;
    for (const auto& family : control.fontFamilies) families << FromUtf8(family);
    font.setFamilies(families);
  }
  if (control.fontPixelSize > 0) font.setPixelSize(control.fontPixelSize);
  widget->setFont(font);
}

QWidget* BuildControl(const ControlDescription& control, QWidget* parent) {
  QWidget* widget = nullptr;
  switch (control.kind) {
    case ControlKind::Edit:
      if (control.multiLine) {
        auto* box = new QPlainTextEdit(parent);
        box->setLineWrapMode(control.wrapLines ? QPlainTextEdit::WidgetWidth
                                               : QPlainTextEdit::NoWrap);
        box->setHorizontalScrollBarPolicy(control.horizontalScrollBar ? Qt::ScrollBarAlwaysOn
                                                                      : Qt::ScrollBarAlwaysOff);
        box->setVerticalScrollBarPolicy(control.verticalScrollBar ? Qt::ScrollBarAlwaysOn
                                                                  : Qt::ScrollBarAlwaysOff);
        box->setPlainText(FromUtf8(control.text));
        widget = box;
      } else {
        auto* box = new QLineEdit(FromUtf8(control.text), parent);
        box->setCursorPosition(0);
        widget = box;
      }
      break;
    case ControlKind::ComboBox: {
      auto* combo = new QComboBox(parent);
      combo->setEditable(control.editable);
      if (control.editable) {
        // Typed text stays typed text: no completion from the items and no
        // new item when Enter is pressed.
        combo->setCompleter(nullptr);
        combo->setInsertPolicy(QComboBox::NoInsert);
      }
      for (const auto& item : control.items) combo->addItem(FromUtf8(item));
      if (control.sorted) combo->model()->sort(0);
      // Nothing is selected until the program selects an item.
      combo->setCurrentIndex(-1);
      widget = combo;
      break;
    }
    case ControlKind::Button: {
      auto* button = new QPushButton(FromUtf8(control.text), parent);
      button->setAutoDefault(false);
      widget = button;
      break;
    }
  }
  widget->setObjectName(FromUtf8(control.name));
  ApplyFont(widget, control);
  widget->setGeometry(control.place.left, control.place.top, control.place.width,
                      control.place.height);
  return widget;
}

}  // namespace

namespace {

// The event pump's dispatch while the application exists.
void DispatchPendingEvents() {
  if (QCoreApplication::instance() != nullptr) QCoreApplication::processEvents();
}

// A window system the user can see. The offscreen and minimal platforms of
// headless runs have none: a box there would wait for a click forever.
bool CanShowBox() {
  auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
  if (application == nullptr || QThread::currentThread() != application->thread()) return false;
  const QString platform = QGuiApplication::platformName();
  return !platform.isEmpty() && platform != QLatin1String("offscreen") &&
         !platform.startsWith(QLatin1String("minimal"));
}

// The fatal errors' box, caption "错误".
void ShowErrorBox(const char* text, std::size_t length) {
  if (!CanShowBox()) return;
  QMessageBox::critical(nullptr, QStringLiteral("错误"),
                        QString::fromUtf8(text, static_cast<qsizetype>(length)));
}

}  // namespace

struct Application::Impl {
  std::unique_ptr<QApplication> application;
};

Application::Application(int& argc, char** argv) : impl_(std::make_unique<Impl>()) {
  fonts::EnsureFontAliases();
  impl_->application = std::make_unique<QApplication>(argc, argv);
  SetEventDispatch(&DispatchPendingEvents);
  SetErrorBox(&ShowErrorBox);
}

Application::~Application() {
  SetErrorBox(nullptr);
  SetEventDispatch(nullptr);
}

struct Window::Impl {
  Window* self = nullptr;
  std::unique_ptr<FormWidget> widget;  // owns the controls
  std::map<std::string, QWidget*, std::less<>> controls;
  std::vector<EventBinding> bindings;
  bool destroyingRaised = false;

  void Raise(Event event) {
    for (const auto& binding : bindings) {
      if (binding.control.empty() && binding.event == event && binding.handler != nullptr) {
        binding.handler(*self);
      }
    }
  }

  QWidget* Control(std::string_view name) const {
    const auto it = controls.find(name);
    return it == controls.end() ? nullptr : it->second;
  }

  void Bind(const EventBinding& binding) {
    QWidget* control = Control(binding.control);
    if (control == nullptr || binding.handler == nullptr) return;
    Window* window = self;
    const Handler handler = binding.handler;
    const auto call = [window, handler] { handler(*window); };
    switch (binding.event) {
      case Event::Clicked:
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
          QObject::connect(button, &QAbstractButton::clicked, button, call);
        }
        break;
      case Event::TextChanged:
        if (auto* line = qobject_cast<QLineEdit*>(control)) {
          QObject::connect(line, &QLineEdit::textChanged, line, call);
        } else if (auto* box = qobject_cast<QPlainTextEdit*>(control)) {
          QObject::connect(box, &QPlainTextEdit::textChanged, box, call);
        }
        break;
      case Event::Created:
      case Event::Destroying:
        break;  // the window's own events
    }
  }

  void RaiseDestroyingOnce() {
    if (destroyingRaised) return;
    destroyingRaised = true;
    Raise(Event::Destroying);
  }
};

Window::Window(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {
  impl_->self = this;
}

std::unique_ptr<Window> Window::Load(const WindowDescription& description,
                                     std::vector<EventBinding> bindings) {
  auto impl = std::make_unique<Impl>();
  impl->widget = std::make_unique<FormWidget>(description.place, description.resizable);
  impl->widget->setWindowTitle(FromUtf8(description.caption));
  for (const auto& control : description.controls) {
    impl->controls.emplace(control.name, BuildControl(control, impl->widget.get()));
  }
  impl->bindings = std::move(bindings);

  std::unique_ptr<Window> window(new Window(std::move(impl)));
  for (const auto& binding : window->impl_->bindings) window->impl_->Bind(binding);
  window->impl_->Raise(Event::Created);
  if (!window->IsClosed()) window->impl_->widget->show();
  return window;
}

Window::~Window() {
  impl_->RaiseDestroyingOnce();
  // The controls go with the window; no handler runs for their last signals.
  for (const auto& [name, control] : impl_->controls) control->disconnect();
  impl_->widget.reset();
}

int Window::Run() {
  int result = 0;
  if (!IsClosed()) result = QApplication::exec();
  impl_->RaiseDestroyingOnce();
  return result;
}

void Window::Close() {
  impl_->widget->close();
}

bool Window::IsClosed() const {
  return impl_->widget->Closed();
}

std::string Window::ReadProperty(std::string_view control, std::int32_t number) const {
  QWidget* widget = impl_->Control(control);
  if (number == kPropertyContent) {
    if (auto* line = qobject_cast<QLineEdit*>(widget)) return ToGbk(line->text());
    if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
      return ToGbk(WithCrLf(box->toPlainText()));
    }
  } else if (number == kPropertyCurrentText) {
    if (auto* combo = qobject_cast<QComboBox*>(widget)) return ToGbk(combo->currentText());
  }
  return {};
}

bool Window::WriteProperty(std::string_view control, std::int32_t number, std::string_view gbk) {
  QWidget* widget = impl_->Control(control);
  if (number == kPropertyContent) {
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
      line->setText(FromGbk(gbk));
      return true;
    }
    if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
      box->setPlainText(FromGbk(gbk));
      return true;
    }
  } else if (number == kPropertyCurrentText) {
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      if (combo->isEditable()) {
        combo->setEditText(FromGbk(gbk));
      } else {
        combo->setCurrentIndex(combo->findText(FromGbk(gbk)));
      }
      return true;
    }
  }
  return false;
}

bool Window::WriteProperty(std::string_view control, std::int32_t number, std::int32_t value) {
  if (number != kPropertyCurrentIndex) return false;
  auto* combo = qobject_cast<QComboBox*>(impl_->Control(control));
  if (combo == nullptr) return false;
  combo->setCurrentIndex(value >= 0 && value < combo->count() ? value : -1);
  return true;
}

QWidget* Window::Widget(std::string_view control) const {
  if (control.empty()) return impl_->widget.get();
  return impl_->Control(control);
}

}  // namespace charart::forms
