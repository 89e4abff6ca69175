// Starting and stopping GDI+ for the program, with the one kept token.
#pragma once

#include <cstdint>
#include <optional>

namespace charart::imaging {

// The token GDI+'s start-up returned; 0 while GDI+ is not running. Written
// by StartGdiplus, read and cleared by StopGdiplus.
extern std::uintptr_t GdiplusToken;

// Starts GDI+ with the given version (1 when omitted), keeps the token in
// GdiplusToken and returns it. The status is not examined: after a failed
// start the token, and GdiplusToken, are 0. LastStatus is left alone.
std::uintptr_t StartGdiplus(std::optional<std::int32_t> version = std::nullopt);

// Shuts GDI+ down with `token`, or, when omitted, with GdiplusToken, which
// is set to 0 first. A zero token calls nothing, so a second StopGdiplus()
// after the first, or one after a failed start, does nothing.
void StopGdiplus(std::optional<std::uintptr_t> token = std::nullopt);

}  // namespace charart::imaging
