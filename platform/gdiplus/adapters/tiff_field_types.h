#pragma once
// The field types of a TIFF directory entry (TIFF 6.0 and its IFD
// extension), read by the Exif reader and the multi-page TIFF writer.

#include <cstdint>

namespace charart::gdiplus::adapters {

// Bytes of one value of a field type; 0 for a type TIFF does not define.
constexpr std::uint32_t TiffFieldTypeSize(std::uint16_t type) {
  switch (type) {
    case 1:  // BYTE
    case 2:  // ASCII
    case 6:  // SBYTE
    case 7:  // UNDEFINED
      return 1;
    case 3:  // SHORT
    case 8:  // SSHORT
      return 2;
    case 4:   // LONG
    case 9:   // SLONG
    case 11:  // FLOAT
    case 13:  // IFD (an offset to a directory)
      return 4;
    case 5:   // RATIONAL
    case 10:  // SRATIONAL
    case 12:  // DOUBLE
      return 8;
    default:
      return 0;
  }
}

// The TIFF field type of a directory offset.
constexpr std::uint16_t kTiffIfdType = 13;

}  // namespace charart::gdiplus::adapters
