// charart: the window. Builds the run time and the main window from its
// description, and runs the message loop until the window is closed.
#include "app/main_window_description.h"
#include "platform/forms/window_runtime.h"

int main(int argc, char** argv) {
  charart::forms::Application application(argc, argv);
  const auto window = charart::forms::Window::Load(charart::app::MainWindowDescription(),
                                                   charart::app::MainWindowBindings());
  return window->Run();
}
