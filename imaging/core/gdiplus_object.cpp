#include "imaging/core/gdiplus_object.h"

#include <utility>

namespace charart::imaging {

bool Record(Status status) {
  LastStatus = static_cast<std::int32_t>(status);
  return status == Status::Ok;
}

void GdiplusObject::TakeFrom(GdiplusObject& other) {
  const Handle handle = other.nativeHandle;
  const bool borrowed = other.borrowed_;
  other.SetHandle(0);
  SetHandle(handle);
  borrowed_ = borrowed;
}

void GdiplusObject::SetHandle(Handle handle) {
  nativeHandle = handle;
  borrowed_ = false;
  OnHandleSet(handle);
}

void* GdiplusObject::Alloc(std::int32_t size) {
  return Gdip().GdipAlloc(static_cast<std::size_t>(size < 0 ? 0 : size));
}

void GdiplusObject::Free(void* address) {
  Gdip().GdipFree(address);
}

bool GdiplusObject::FinishCreate(Status status, const Handle& mirror) {
  const bool ok = Record(status);
  SetHandle(mirror);
  return ok;
}

bool GdiplusObject::HandOver(Status status, const Handle& local, GdiplusObject& target) {
  const bool ok = Record(status);
  target.SetHandle(local);
  return ok;
}

}  // namespace charart::imaging
