// The main window's handlers: GDI+ start-up and shut-down around the window's
// life, the convert button (character art into the output box) and the
// save-picture button (字符画.png in the program's directory).
#pragma once

#include <optional>
#include <string>

#include "platform/forms/window_runtime.h"
#include "values/text.h"

namespace charart::app {

// GDI+ start-up (version 1), then the first item of both symbol lists.
void OnWindowCreated(forms::Window& window);
// GDI+ shut-down with the kept token.
void OnWindowDestroying(forms::Window& window);
// Fills the output box with the character art of the input text, drawn with
// the two lists' current texts; an empty input changes nothing. The run holds
// a BusyScope, so a close that arrives during its event pump waits for it.
void OnConvertClicked(forms::Window& window);
// Saves the rendered input text as 字符画.png in the program's directory,
// replacing an earlier file; an empty input, or a render that gives no
// picture, writes nothing. Failures are silent.
void OnSavePictureClicked(forms::Window& window);
// Where a save goes: `directory` (GBK, no trailing separator, "" for the
// root) followed by "/字符画.png". None when the directory is unknown or has
// no GBK form: the save then writes nothing anywhere.
std::optional<values::Text> SavePicturePath(const std::optional<std::string>& directory);
// Bound to the input box's changes; does nothing.
void OnInputTextChanged(forms::Window& window);

}  // namespace charart::app
