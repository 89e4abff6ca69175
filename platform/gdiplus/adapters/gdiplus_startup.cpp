#include "platform/fonts/font_setup.h"
#include "platform/gdiplus/adapters/adapter_functions.h"
#include "platform/gdiplus/adapters/adapters.h"

namespace charart::gdiplus::adapters {
namespace {

// The token libgdiplus itself hands out.
constexpr ULONG_PTR kLibraryToken = 1;

}  // namespace

Status GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input,
                      GdiplusStartupOutput* output) {
  static const auto raw = Raw<decltype(FunctionTable::GdiplusStartup)>("GdiplusStartup");
  if (raw == nullptr) return Status::NotImplemented;
  // libgdiplus writes through the token without a look.
  if (token == nullptr || input == nullptr) return Status::InvalidParameter;
  // libgdiplus reads the font configuration as it stands when it starts.
  fonts::EnsureFontAliases();
  *token = 0;
  const Status status = raw(token, input, output);
  // A start while libgdiplus already runs answers Ok but leaves the token
  // unwritten; GDI+ hands every successful start a token.
  if (status == Status::Ok && *token == 0) *token = kLibraryToken;
  return status;
}

}  // namespace charart::gdiplus::adapters
