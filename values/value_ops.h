// The operations of the value model on texts, byte sets and arrays, and the
// numeric rule by which reals become integers.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "values/byte_set.h"
#include "values/text.h"

namespace charart::values {

// -1, 0 or 1; bytes compared unsigned. A missing text equals an empty one.
std::int32_t CompareText(const Text& a, const Text& b);
std::int32_t TextLength(const Text& t);
// Always a new present text, also when every part is empty or missing.
Text ConcatTexts(std::initializer_list<const Text*> parts);
std::int32_t CompareBytes(const void* a, const void* b, std::uint32_t n);
// The missing byte set when the parts hold no byte at all.
ByteSet ConcatByteSets(std::initializer_list<const ByteSet*> parts);
// Drops the fraction toward zero (-2.7 gives -2); NaN gives 0 and values
// beyond the 64-bit range saturate.
std::int64_t TruncateToInteger(double x);
// A real stored into a 32-bit integer: truncated, then the low 32 bits kept.
std::int32_t StoreInt32(double x);
// The low 32 bits of a 64-bit value, two's complement.
std::int32_t LowInt32(std::int64_t x);

}  // namespace charart::values
