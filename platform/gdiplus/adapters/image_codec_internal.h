// What the image stream adapters and the multi-frame save adapters share.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gdiplus/gdiplus_types.h"

namespace charart::gdiplus::adapters {

// Encodes `image` into `stream` at its position through libgdiplus's
// delegate entry point, with no multi-frame handling.
Status EncodeToStream(GpImage* image, IStream* stream, const CLSID* clsidEncoder,
                      const EncoderParameters* params);

// Whether a save with these parameters begins a multi-frame file that this
// layer writes (the save flag says MultiFrame and the encoder is GIF or TIFF).
bool BeginsMultiFrameSave(const CLSID* clsidEncoder, const EncoderParameters* params);

// Begins a multi-frame save of `image`'s active frame into `stream`.
Status BeginMultiFrameSaveToStream(GpImage* image, IStream* stream, const CLSID* clsidEncoder,
                                   const EncoderParameters* params);

// Gives a JPEG decoded from a stream the EXIF fields of `jpeg` (its first
// bytes), unless libgdiplus read some itself.
void AddExifProperties(GpImage* image, const std::vector<std::uint8_t>& jpeg);

// Drops what the frame-delay adapters remember of a disposed image.
void ForgetActiveFrame(GpImage* image);

}  // namespace charart::gdiplus::adapters
