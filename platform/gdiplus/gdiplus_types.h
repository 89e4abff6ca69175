// Our own declarations of the GDI+ flat interface's types, written from the
// published flat API documentation. Records keep GDI+'s field order; on our
// 64-bit platform every handle and address field is pointer-sized, every other
// field keeps its documented width.
#pragma once

#include <cstddef>
#include <cstdint>

namespace charart::gdiplus {

// GDI+'s Status numbering; 0 is Ok.
enum class Status : std::int32_t {
  Ok = 0,
  GenericError = 1,
  InvalidParameter = 2,
  OutOfMemory = 3,
  ObjectBusy = 4,
  InsufficientBuffer = 5,
  NotImplemented = 6,
  Win32Error = 7,
  WrongState = 8,
  Aborted = 9,
  FileNotFound = 10,
  ValueOverflow = 11,
  AccessDenied = 12,
  UnknownImageFormat = 13,
  FontFamilyNotFound = 14,
  FontStyleNotFound = 15,
  NotTrueTypeFont = 16,
  UnsupportedGdiplusVersion = 17,
  GdiplusNotInitialized = 18,
  PropertyNotFound = 19,
  PropertyNotSupported = 20,
  ProfileNotFound = 21,
};

// "Ok", "InvalidParameter", ... or "Status(n)" for numbers GDI+ does not define.
const char* StatusName(Status status);
const char* StatusName(std::int32_t status);

using REAL = float;
using INT = std::int32_t;
using UINT = std::uint32_t;
using BOOL = std::int32_t;
using ARGB = std::uint32_t;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using ULONG = std::uint32_t;
using PROPID = std::uint32_t;
using LANGID = std::uint16_t;
using PixelFormat = std::int32_t;
using ULONG_PTR = std::uintptr_t;
using WCHAR = char16_t;  // UTF-16 code unit, as libgdiplus takes it

// Opaque native objects. The wrapper layer keeps their addresses as
// std::uintptr_t handles; these types only give the flat calls their shape.
struct GpImage;
struct GpBitmap;
struct GpGraphics;
struct GpFont;
struct GpFontFamily;
struct GpFontCollection;
struct GpStringFormat;
struct GpBrush;
struct GpSolidFill;
struct GpPen;
struct GpRegion;
struct GpPath;
struct GpMatrix;
struct GpImageAttributes;
struct GpCachedBitmap;
struct GpMetafile;
struct GpCustomLineCap;
struct CGpEffect;
struct IStream;

// Window-system handles; opaque on our platform (see platform/win32).
using HDC = void*;
using HWND = void*;
using HBITMAP = void*;
using HICON = void*;
using HFONT = void*;
using HRGN = void*;
using HPALETTE = void*;
using HINSTANCE = void*;
using HANDLE = void*;
using HGLOBAL = void*;

struct GUID {
  std::uint32_t Data1;
  std::uint16_t Data2;
  std::uint16_t Data3;
  std::uint8_t Data4[8];
};
using CLSID = GUID;
static_assert(sizeof(GUID) == 16);

struct GpPointF {
  REAL X;
  REAL Y;
};
struct GpPoint {
  INT X;
  INT Y;
};
struct GpSizeF {
  REAL Width;
  REAL Height;
};
struct GpRectF {
  REAL X;
  REAL Y;
  REAL Width;
  REAL Height;
};
struct GpRect {
  INT X;
  INT Y;
  INT Width;
  INT Height;
};
struct CharacterRange {
  INT First;
  INT Length;
};

struct GdiplusStartupInput {
  UINT GdiplusVersion;
  void* DebugEventCallback;
  BOOL SuppressBackgroundThread;
  BOOL SuppressExternalCodecs;
};
struct GdiplusStartupOutput {
  void* NotificationHook;
  void* NotificationUnhook;
};

struct BitmapData {
  UINT Width;
  UINT Height;
  INT Stride;
  gdiplus::PixelFormat PixelFormat;  // qualified: the member shares the type's name
  void* Scan0;
  ULONG_PTR Reserved;
};

struct ImageCodecInfo {
  CLSID Clsid;
  GUID FormatID;
  const WCHAR* CodecName;
  const WCHAR* DllName;
  const WCHAR* FormatDescription;
  const WCHAR* FilenameExtension;
  const WCHAR* MimeType;
  DWORD Flags;
  DWORD Version;
  DWORD SigCount;
  DWORD SigSize;
  const BYTE* SigPattern;
  const BYTE* SigMask;
};

struct EncoderParameter {
  GUID Guid;
  ULONG NumberOfValues;
  ULONG Type;
  void* Value;
};
struct EncoderParameters {
  UINT Count;
  EncoderParameter Parameter[1];
};

struct ColorPalette {
  UINT Flags;
  UINT Count;
  ARGB Entries[1];
};

struct PropertyItem {
  PROPID id;
  ULONG length;
  WORD type;
  void* value;
};

struct LOGFONTA {
  std::int32_t lfHeight;
  std::int32_t lfWidth;
  std::int32_t lfEscapement;
  std::int32_t lfOrientation;
  std::int32_t lfWeight;
  BYTE lfItalic;
  BYTE lfUnderline;
  BYTE lfStrikeOut;
  BYTE lfCharSet;
  BYTE lfOutPrecision;
  BYTE lfClipPrecision;
  BYTE lfQuality;
  BYTE lfPitchAndFamily;
  char lfFaceName[32];
};
struct LOGFONTW {
  std::int32_t lfHeight;
  std::int32_t lfWidth;
  std::int32_t lfEscapement;
  std::int32_t lfOrientation;
  std::int32_t lfWeight;
  BYTE lfItalic;
  BYTE lfUnderline;
  BYTE lfStrikeOut;
  BYTE lfCharSet;
  BYTE lfOutPrecision;
  BYTE lfClipPrecision;
  BYTE lfQuality;
  BYTE lfPitchAndFamily;
  WCHAR lfFaceName[32];
};
static_assert(sizeof(LOGFONTA) == 60);
static_assert(sizeof(LOGFONTW) == 92);

// The bitmap header of a GDI device-independent bitmap.
struct BITMAPINFOHEADER {
  DWORD biSize;
  std::int32_t biWidth;
  std::int32_t biHeight;
  WORD biPlanes;
  WORD biBitCount;
  DWORD biCompression;
  DWORD biSizeImage;
  std::int32_t biXPelsPerMeter;
  std::int32_t biYPelsPerMeter;
  DWORD biClrUsed;
  DWORD biClrImportant;
};
struct RGBQUAD {
  BYTE rgbBlue;
  BYTE rgbGreen;
  BYTE rgbRed;
  BYTE rgbReserved;
};
struct BITMAPINFO {
  BITMAPINFOHEADER bmiHeader;
  RGBQUAD bmiColors[1];
};

// A GDI rectangle by its edges (the area of an effect).
struct RECT {
  std::int32_t left;
  std::int32_t top;
  std::int32_t right;
  std::int32_t bottom;
};

// Callbacks GDI+ takes.
using DrawImageAbort = BOOL (*)(void* data);
using GetThumbnailImageAbort = BOOL (*)(void* data);
using EnumerateMetafileProc = BOOL (*)(INT recordType, UINT flags, UINT dataSize, const BYTE* data,
                                       void* callbackData);

// libgdiplus's delegate entry points (the stream functions of GDI+ on Linux).
using GetHeaderDelegate = INT (*)(BYTE* buffer, INT size);
using GetBytesDelegate = INT (*)(BYTE* buffer, INT size, BOOL peek);
using PutBytesDelegate = INT (*)(BYTE* buffer, INT size);
using SeekDelegate = std::int64_t (*)(INT offset, INT whence);
using CloseDelegate = void (*)();
using SizeDelegate = std::int64_t (*)();

}  // namespace charart::gdiplus
