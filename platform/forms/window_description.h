// A window as data: the top-level window and its controls with their kind,
// name, place, size, initial content and style, plus the table that binds
// control events to handlers. The forms run time builds the real window from
// it (window_runtime.h); no widget code lives with the description.
//
// Texts here are UTF-8 (our sources are UTF-8); the run time hands control
// content to the program as GBK text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace charart::forms {

class Window;

// Left and top edge in pixels, then width by height. A window's place is on
// the screen and its size is the outer size, frame included; a control's
// place is in the window's client area.
struct Placement {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;

  bool operator==(const Placement&) const = default;
};

enum class ControlKind {
  Edit,      // an edit box, single-line unless multiLine
  ComboBox,  // a drop-down list
  Button,    // a push button
};

struct ControlDescription {
  ControlKind kind = ControlKind::Edit;
  std::string name{};
  Placement place{};
  // A button's caption, an edit box's initial content.
  std::string text{};
  // A combo box's items, in this order.
  std::vector<std::string> items{};

  // Edit boxes. A multi-line box takes Enter as a line break and scrolls
  // automatically in both directions; it wraps long lines only when asked to,
  // else it scrolls horizontally. Its scroll bars, when it has them, are
  // always shown.
  bool multiLine = false;
  bool wrapLines = false;
  bool horizontalScrollBar = false;
  bool verticalScrollBar = false;

  // Combo boxes: an editable text field, and whether items are kept sorted.
  bool editable = false;
  bool sorted = false;

  // Font families to try in order, and a pixel size; empty and 0 keep the
  // platform's defaults.
  std::vector<std::string> fontFamilies{};
  std::int32_t fontPixelSize = 0;
};

struct WindowDescription {
  std::string caption{};
  Placement place{};
  bool resizable = false;
  std::vector<ControlDescription> controls{};
};

// The events a handler can be bound to.
enum class Event {
  Created,      // the window: its controls exist, it is not shown yet
  Destroying,   // the window: it is about to be destroyed and still exists
  Clicked,      // a button
  TextChanged,  // an edit box, whether the user or the program changed it
};

// Handlers run on the GUI thread and get the window the event came from.
using Handler = void (*)(Window& window);

struct EventBinding {
  std::string control{};  // empty for the window's own events
  Event event = Event::Created;
  Handler handler = nullptr;
};

// Control property numbers (read and write control content as GBK text).
inline constexpr std::int32_t kPropertyContent = 8;        // an edit box's content
inline constexpr std::int32_t kPropertyCurrentText = 9;    // a combo box's current text
inline constexpr std::int32_t kPropertyCurrentIndex = 19;  // a combo box's current item, write only

}  // namespace charart::forms
