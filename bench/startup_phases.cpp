// Where a one-text run of charart-cli spends its time, phase by phase: each
// run is a fresh process (start-up costs happen once per process), timed with
// the monotonic clock, and the medians of many runs are printed.
//
//   charart_startup_phases [runs]        (default 40)
//
// The phases are the CLI's own, done one after the other (charart-cli sets
// the fonts up on a second thread while libgdiplus loads).
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "engine/canvas_fit.h"
#include "engine/character_art.h"
#include "engine/engine_session.h"
#include "engine/text_renderer.h"
#include "platform/fonts/font_setup.h"
#include "platform/gdiplus/gdiplus_api.h"
#include "values/conversions.h"

extern char** environ;

namespace {

using namespace charart;

constexpr const char* kPhases[] = {"fonts (lean)",           "load libgdiplus", "GdiplusStartup",
                                   "first text (fit check)", "render",          "picture to art",
                                   "GdiplusShutdown"};
constexpr int kPhaseCount = sizeof kPhases / sizeof kPhases[0];

double NowMs() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// One run: prints the phases' durations in milliseconds on one line.
int RunOnce() {
  double times[kPhaseCount + 1];
  int phase = 0;
  times[phase++] = NowMs();
  fonts::UseLeanFontSetup(u"", u"字符画");
  times[phase++] = NowMs();
  gdiplus::LibraryAvailable();
  times[phase++] = NowMs();
  {
    engine::EngineSession session;
    times[phase++] = NowMs();
    const auto text = values::TextToWideGbk(values::Gbk("字符画"));
    const auto fit = engine::CheckCanvasFit(text, std::nullopt, std::nullopt, std::nullopt);
    times[phase++] = NowMs();
    const auto png = engine::RenderTextPicture(text);
    times[phase++] = NowMs();
    const auto art = engine::PictureToCharacterArt(png, values::TextToWideGbk(values::Gbk("○")),
                                                   values::TextToWideGbk(values::Gbk("●")));
    times[phase++] = NowMs();
    if (!fit.fits || art.View().empty()) return 1;
  }
  times[phase++] = NowMs();
  for (int i = 0; i < kPhaseCount; ++i) std::printf("%.3f ", times[i + 1] - times[i]);
  std::printf("\n");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--once") == 0) return RunOnce();
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 40;
  std::vector<std::vector<double>> samples(kPhaseCount);
  for (int run = 0; run < runs; ++run) {
    int channel[2];
    if (pipe(channel) != 0) return 1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, channel[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, channel[0]);
    char once[] = "--once";
    char* childArgv[] = {argv[0], once, nullptr};
    pid_t child = 0;
    const int spawned =
        posix_spawn(&child, "/proc/self/exe", &actions, nullptr, childArgv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(channel[1]);
    std::string line;
    char buffer[512];
    ssize_t n = 0;
    while ((n = read(channel[0], buffer, sizeof buffer)) > 0) line.append(buffer, n);
    close(channel[0]);
    int status = 0;
    if (spawned != 0 || waitpid(child, &status, 0) != child || status != 0) {
      std::fprintf(stderr, "charart_startup_phases: run %d failed\n", run + 1);
      return 1;
    }
    const char* cursor = line.c_str();
    for (int i = 0; i < kPhaseCount; ++i)
      samples[i].push_back(std::strtod(cursor, const_cast<char**>(&cursor)));
  }
  std::printf("median of %d fresh processes\n", runs);
  double total = 0;
  for (int i = 0; i < kPhaseCount; ++i) {
    auto& s = samples[i];
    std::sort(s.begin(), s.end());
    const double median = s[s.size() / 2];
    total += median;
    std::printf("  %-24s %7.2f ms\n", kPhases[i], median);
  }
  std::printf("  %-24s %7.2f ms\n", "sum", total);
  return 0;
}
