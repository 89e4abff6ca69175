// The forms run time's windows, on Qt 6 Widgets: a window built from its
// description, its events delivered to bound handlers, its controls' content
// read and written by property number as GBK text, and its message loop.
//
// A close that arrives while a BusyScope is alive (a conversion is running
// and pumping events) is deferred until the outermost scope ends, so the
// Destroying handler never runs under a conversion.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/forms/window_description.h"

class QWidget;

namespace charart::forms {

// The run time of one process. Create it once, before any window; it loads the
// font alias first so that the window's controls and GDI+ see the same faces.
class Application {
 public:
  Application(int& argc, char** argv);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

class Window {
 public:
  // Builds the window and its controls at their exact places and sizes, binds
  // the handlers, raises Created once the controls exist, then shows the
  // window, not modal and without an owner. Needs an Application. Bindings
  // that name no control of the description are ignored.
  static std::unique_ptr<Window> Load(const WindowDescription& description,
                                      std::vector<EventBinding> bindings);

  // Raises Destroying if Run has not, while the controls still exist.
  ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Runs the message loop until the window has been closed, then raises
  // Destroying while the window still exists. Returns the loop's result.
  int Run();

  // Asks the window to close, as its close button does.
  void Close();
  [[nodiscard]] bool IsClosed() const;

  // Property `number` of `control` as GBK text (8: an edit box's content,
  // with CR LF line ends for a multi-line box; 9: a combo box's current
  // text). Empty for an unknown control, a number the control does not have,
  // and 19, which is write only. Characters without a GBK form read as "?".
  [[nodiscard]] std::string ReadProperty(std::string_view control, std::int32_t number) const;
  // Writes 8 or 9 from GBK text; false when the control has no such property.
  bool WriteProperty(std::string_view control, std::int32_t number, std::string_view gbk);
  // Writes 19, a combo box's current item (from 0; -1 selects none).
  bool WriteProperty(std::string_view control, std::int32_t number, std::int32_t value);

  // The Qt widgets behind the window, for the run time's own tests: the window
  // itself for an empty name, else the control of that name (null if none).
  [[nodiscard]] QWidget* Widget(std::string_view control = {}) const;

 private:
  struct Impl;
  explicit Window(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

}  // namespace charart::forms
