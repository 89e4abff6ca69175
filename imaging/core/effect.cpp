#include "imaging/core/effect.h"

#include <utility>

#include "values/conversions.h"

namespace charart::imaging {

using gdiplus::CGpEffect;

Effect::Effect(Effect&& other) noexcept
    : auxData_(std::exchange(other.auxData_, 0)),
      auxDataSize_(std::exchange(other.auxDataSize_, 0)),
      useAuxData_(std::exchange(other.useAuxData_, 0)) {
  TakeFrom(other);
}

Effect& Effect::operator=(Effect&& other) noexcept {
  if (this != &other) {
    Destroy();
    TakeFrom(other);
    auxData_ = std::exchange(other.auxData_, 0);
    auxDataSize_ = std::exchange(other.auxDataSize_, 0);
    useAuxData_ = std::exchange(other.useAuxData_, 0);
  }
  return *this;
}

void Effect::Destroy() {
  if (auxData_ != 0) Gdip().GdipFree(reinterpret_cast<void*>(auxData_));
  auxData_ = 0;
  auxDataSize_ = 0;
  Delete();
}

std::unique_ptr<GdiplusObject> Effect::Copy() const {
  auto copy = std::make_unique<Effect>();
  copy->SetHandle(effectHandle);
  copy->useAuxData_ = useAuxData_;
  copy->MarkBorrowed();
  return copy;
}

void Effect::OnHandleSet(Handle handle) {
  effectHandle = handle;
}

bool Effect::Create(const values::Text& effect) {
  const values::ByteSet guid = values::TextToGuid(effect);
  return FinishCreate(Gdip().GdipCreateEffect(reinterpret_cast<const gdiplus::GUID*>(guid.Data()),
                                              OutHandle<CGpEffect>(effectHandle)),
                      effectHandle);
}

bool Effect::Delete() {
  return DeleteNative(effectHandle,
                      [&] { return Gdip().GdipDeleteEffect(As<CGpEffect>(effectHandle)); });
}

bool Effect::SetParameters(const values::ByteSet& parameters) {
  return Record(Gdip().GdipSetEffectParameters(As<CGpEffect>(effectHandle), parameters.Data(),
                                               static_cast<gdiplus::UINT>(parameters.Length())));
}

std::int32_t Effect::GetParameterSize() {
  gdiplus::UINT size = 0;
  Record(Gdip().GdipGetEffectParameterSize(As<CGpEffect>(effectHandle), &size));
  return static_cast<std::int32_t>(size);
}

bool Effect::GetParameters(values::ByteSet& parameters) {
  const std::int32_t size = GetParameterSize();
  if (size <= 0) return false;
  values::ByteSet block = values::ByteSet::Zeroed(size);
  auto length = static_cast<gdiplus::UINT>(size);
  if (!Record(Gdip().GdipGetEffectParameters(As<CGpEffect>(effectHandle), &length, block.Data()))) {
    return false;
  }
  parameters = std::move(block);
  return true;
}

Handle Effect::GetNativeEffect() {
  return effectHandle;
}

Handle Effect::AuxData(std::optional<Handle> value) {
  if (value) auxData_ = *value;
  return auxData_;
}

std::int32_t Effect::AuxDataSize(std::optional<std::int32_t> value) {
  if (value) auxDataSize_ = *value;
  return auxDataSize_;
}

std::int32_t Effect::UseAuxData(std::optional<std::int32_t> value) {
  if (value) useAuxData_ = *value;
  return useAuxData_;
}

}  // namespace charart::imaging
