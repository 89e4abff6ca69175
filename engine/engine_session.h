// GDI+ for the length of a run: started once (with the font alias in place),
// stopped at the end. Front ends hold one while they convert.
#pragma once

#include <cstdint>
#include <string>

#include "values/text.h"

namespace charart::engine {

class EngineSession {
 public:
  // Starts GDI+. With needSongFace, a missing 宋体 face counts as a failed
  // start (the default font would silently fall back to another face).
  explicit EngineSession(bool needSongFace = true);
  ~EngineSession();
  EngineSession(const EngineSession&) = delete;
  EngineSession& operator=(const EngineSession&) = delete;

  bool Started() const { return problem_.empty(); }
  // Why the start failed, for the user (UTF-8).
  const std::string& Problem() const { return problem_; }

 private:
  std::uintptr_t token_ = 0;
  std::string problem_;
};

// True when an installed face answers to the GBK family name.
bool FontFamilyInstalled(const values::Text& family);

}  // namespace charart::engine
