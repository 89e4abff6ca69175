// SolidBrush: owns one GDI+ solid-colour brush, built in two levels. The
// brush level (Brush) holds what every GDI+ brush has: delete, clone, type;
// it mirrors the handle in brushHandle and chains to OnDerivedHandleSet. The
// solid-fill level mirrors it again in solidBrushHandle and adds creation
// from a colour and the colour's getter and setter. After any SetHandle the
// three handle members agree.
#pragma once

#include <cstdint>
#include <memory>

#include "imaging/core/gdiplus_object.h"

namespace charart::imaging {

// A 32-bit colour 0xAARRGGBB as GDI+ takes it.
using ArgbColor = std::uint32_t;

class Brush : public GdiplusObject {
 public:
  // 4: writes brushHandle, then the derived level's mirror.
  void OnHandleSet(Handle handle) override;
  // 7
  virtual void OnDerivedHandleSet(Handle handle) = 0;
  // 8: false without a call, LastStatus untouched, when empty.
  virtual bool Delete();
  // 9: the target receives the clone's handle, 0 when GDI+ fails.
  virtual bool Clone(GdiplusObject& target);
  // 10: GDI+'s brush type (0 is a solid colour).
  [[nodiscard]] virtual std::int32_t GetType();

  Handle brushHandle = 0;

 protected:
  Brush() = default;
};

class SolidBrush : public Brush {
 public:
  SolidBrush() = default;
  SolidBrush(SolidBrush&& other) noexcept { TakeFrom(other); }
  SolidBrush& operator=(SolidBrush&& other) noexcept;
  ~SolidBrush() override { SolidBrush::Destroy(); }

  // 0: deletes the brush still held.
  void Destroy() override;
  // 1
  [[nodiscard]] std::unique_ptr<GdiplusObject> Copy() const override;
  // 7
  void OnDerivedHandleSet(Handle handle) override;
  // 11: does not delete a brush the object already holds.
  virtual bool Create(ArgbColor colour);
  // 12, 13
  virtual bool SetColor(ArgbColor colour);
  [[nodiscard]] virtual ArgbColor GetColor();

  Handle solidBrushHandle = 0;
};

}  // namespace charart::imaging
