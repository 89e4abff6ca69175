// The engine's hot paths with GDI+ already started: rendering a text to PNG
// bytes and building its character art, for 1, 3 and 30 characters, plus the
// stages the time goes to.
#include <benchmark/benchmark.h>

#include "engine/character_art.h"
#include "engine/engine_session.h"
#include "engine/margin_crop.h"
#include "engine/text_renderer.h"
#include "imaging/core/bitmap.h"
#include "values/conversions.h"

namespace {

using namespace charart;

values::ByteSet Sample(int characters) {
  const std::string pattern = "字符画";
  std::string text;
  for (int i = 0; i < characters; ++i)
    text += pattern.substr(static_cast<std::size_t>(i % 3) * 3, 3);
  return values::TextToWideGbk(values::Gbk(text));
}

void BM_RenderTextPicture(benchmark::State& state) {
  const auto text = Sample(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(engine::RenderTextPicture(text));
}
BENCHMARK(BM_RenderTextPicture)->Arg(1)->Arg(3)->Arg(30)->Unit(benchmark::kMillisecond);

void BM_BuildCharacterArt(benchmark::State& state) {
  const auto text = Sample(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(engine::BuildCharacterArt(text));
}
BENCHMARK(BM_BuildCharacterArt)->Arg(1)->Arg(3)->Arg(30)->Unit(benchmark::kMillisecond);

// Stages, to say where the time goes.
void BM_CanvasCreate(benchmark::State& state) {
  for (auto _ : state) {
    imaging::Bitmap canvas;
    canvas.CreateFromSize(2000, 1000);
    benchmark::DoNotOptimize(canvas.GetHandle());
  }
}
BENCHMARK(BM_CanvasCreate)->Unit(benchmark::kMillisecond);

void BM_DecodeAndWalkPixels(benchmark::State& state) {
  const auto png = engine::RenderTextPicture(Sample(3));
  const auto hollow = values::TextToWideGbk(values::Gbk("○"));
  const auto filled = values::TextToWideGbk(values::Gbk("●"));
  for (auto _ : state) benchmark::DoNotOptimize(engine::PictureToCharacterArt(png, hollow, filled));
}
BENCHMARK(BM_DecodeAndWalkPixels)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  charart::engine::EngineSession session;
  if (!session.Started()) {
    fprintf(stderr, "%s\n", session.Problem().c_str());
    return 4;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
