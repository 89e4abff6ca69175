// Helpers shared by the bitmap's implementation files.
#pragma once

#include <cstdint>
#include <type_traits>

#include "imaging/core/gdiplus_object.h"
#include "platform/gdiplus/gdiplus_types.h"

namespace charart::imaging::bitmap_detail {

using gdiplus::GpBitmap;
using gdiplus::GpImage;

// A memory stream's stream, whichever way it hands the pointer out.
template <typename T>
gdiplus::IStream* AsStream(T stream) {
  if constexpr (std::is_pointer_v<T>) {
    return reinterpret_cast<gdiplus::IStream*>(stream);
  } else {
    return reinterpret_cast<gdiplus::IStream*>(static_cast<std::uintptr_t>(stream));
  }
}

}  // namespace charart::imaging::bitmap_detail
