// A pen's brush fill. GDI+ keeps a copy of the brush a pen is filled with;
// libgdiplus keeps the caller's brush itself, so deleting that brush (as any
// caller whose brush goes out of scope does) left the pen drawing and
// reading colours through a freed brush, and a cloned pen shared it too.
// The adapters hand libgdiplus a copy instead and keep each pen's copy in a
// registry, released when the pen is deleted or filled anew; a cloned pen
// gets a copy of its own.
#include <mutex>
#include <unordered_map>

#include "platform/gdiplus/adapters/adapter_functions.h"
#include "platform/gdiplus/adapters/adapters.h"

namespace charart::gdiplus::adapters {
namespace {

struct Raws {
  decltype(FunctionTable::GdipSetPenBrushFill) setFill =
      Raw<decltype(FunctionTable::GdipSetPenBrushFill)>("GdipSetPenBrushFill");
  decltype(FunctionTable::GdipClonePen) clonePen =
      Raw<decltype(FunctionTable::GdipClonePen)>("GdipClonePen");
  decltype(FunctionTable::GdipDeletePen) deletePen =
      Raw<decltype(FunctionTable::GdipDeletePen)>("GdipDeletePen");
  decltype(FunctionTable::GdipGetPenBrushFill) getFill =
      Raw<decltype(FunctionTable::GdipGetPenBrushFill)>("GdipGetPenBrushFill");
  decltype(FunctionTable::GdipCloneBrush) cloneBrush =
      Raw<decltype(FunctionTable::GdipCloneBrush)>("GdipCloneBrush");
  decltype(FunctionTable::GdipDeleteBrush) deleteBrush =
      Raw<decltype(FunctionTable::GdipDeleteBrush)>("GdipDeleteBrush");

  bool Complete() const {
    return setFill != nullptr && getFill != nullptr && clonePen != nullptr &&
           deletePen != nullptr && cloneBrush != nullptr && deleteBrush != nullptr;
  }
};

const Raws& Functions() {
  static const Raws raws;
  return raws;
}

std::mutex g_mutex;
// Each pen's own copy of the brush it was filled with.
std::unordered_map<GpPen*, GpBrush*>& Fills() {
  static std::unordered_map<GpPen*, GpBrush*> fills;
  return fills;
}

// Makes `copy` the pen's registered fill; returns the fill it replaces.
GpBrush* Register(GpPen* pen, GpBrush* copy) {
  std::lock_guard lock(g_mutex);
  GpBrush*& slot = Fills()[pen];
  GpBrush* previous = slot;
  slot = copy;
  return previous;
}

GpBrush* Unregister(GpPen* pen) {
  std::lock_guard lock(g_mutex);
  const auto found = Fills().find(pen);
  if (found == Fills().end()) return nullptr;
  GpBrush* fill = found->second;
  Fills().erase(found);
  return fill;
}

GpBrush* RegisteredFill(GpPen* pen) {
  std::lock_guard lock(g_mutex);
  const auto found = Fills().find(pen);
  return found == Fills().end() ? nullptr : found->second;
}

// Fills `pen` with `copy`, a brush of its own that the registry then owns.
Status FillWithOwnCopy(const Raws& raw, GpPen* pen, GpBrush* copy) {
  if (Status status = raw.setFill(pen, copy); status != Status::Ok) {
    raw.deleteBrush(copy);
    return status;
  }
  // libgdiplus does not delete a fill it does not own: the previous copy is
  // ours to release, and the pen no longer refers to it.
  if (GpBrush* previous = Register(pen, copy); previous != nullptr) raw.deleteBrush(previous);
  return Status::Ok;
}

}  // namespace

Status SetPenBrushFill(GpPen* pen, GpBrush* brush) {
  const Raws& raw = Functions();
  if (!raw.Complete()) return Status::NotImplemented;
  if (pen == nullptr || brush == nullptr) return Status::InvalidParameter;
  GpBrush* copy = nullptr;
  if (Status status = raw.cloneBrush(brush, &copy); status != Status::Ok) return status;
  return FillWithOwnCopy(raw, pen, copy);
}

Status ClonePen(GpPen* pen, GpPen** clonePen) {
  const Raws& raw = Functions();
  if (!raw.Complete()) return Status::NotImplemented;
  const Status status = raw.clonePen(pen, clonePen);
  if (status != Status::Ok || RegisteredFill(pen) == nullptr) return status;
  // The clone refers to the brush the source pen does not own; give it a
  // copy of that brush (the source's current fill) of its own.
  GpBrush* copy = nullptr;
  Status filled = raw.getFill(pen, &copy);
  if (filled == Status::Ok) filled = FillWithOwnCopy(raw, *clonePen, copy);
  if (filled != Status::Ok) {
    raw.deletePen(*clonePen);
    *clonePen = nullptr;
  }
  return filled;
}

Status DeletePen(GpPen* pen) {
  const Raws& raw = Functions();
  if (!raw.Complete()) return Status::NotImplemented;
  const Status status = raw.deletePen(pen);
  if (status == Status::Ok) {
    if (GpBrush* fill = Unregister(pen); fill != nullptr) raw.deleteBrush(fill);
  }
  return status;
}

}  // namespace charart::gdiplus::adapters
