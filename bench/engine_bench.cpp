// The engine's hot paths with GDI+ already started: rendering a text to PNG
// bytes and building its character art, for 1, 3 and 30 characters, plus the
// stages the time goes to (BM_Stage*, in the renderer's order).
#include <benchmark/benchmark.h>

#include "engine/character_art.h"
#include "engine/engine_session.h"
#include "engine/margin_crop.h"
#include "engine/text_renderer.h"
#include "imaging/core/bitmap.h"
#include "imaging/resources/font.h"
#include "imaging/resources/solid_brush.h"
#include "imaging/resources/string_format.h"
#include "imaging/surface/graphics.h"
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

// Stages of one render of 字符画, to say where the time goes. Each stage
// runs the renderer's own calls on the renderer's own objects; what a stage
// needs from the stages before it is made outside the timed part.
struct RenderObjects {
  imaging::Font font;
  imaging::StringFormat format;
  imaging::SolidBrush brush;
  RenderObjects() {
    font.CreateFromName(values::Gbk("宋体"), 12.0f, 0);
    format.Create(0x1000);
    format.SetTrimming(0);
    brush.Create(engine::MakeArgb(0));
  }
};

struct Canvas {
  imaging::Bitmap bitmap;
  imaging::Graphics graphics;
  Canvas() {
    bitmap.CreateFromSize(2000, 1000, imaging::kPixelFormat32bppArgb);
    graphics.CreateFromImage(bitmap);
  }
  ~Canvas() { graphics.Delete(); }
};

imaging::RectF Measure(const Canvas& canvas, const RenderObjects& objects,
                       const values::ByteSet& text) {
  imaging::RectF bounds{};
  engine::MeasureTextBounds(canvas.graphics.GetHandle(), text, objects.font.GetHandle(),
                            objects.format.GetHandle(), 0, 3, imaging::MakeRectF(0, 0, 2000, 1000),
                            bounds);
  return bounds;
}

// The font, the string format and the brush.
void BM_Stage1_Resources(benchmark::State& state) {
  for (auto _ : state) {
    RenderObjects objects;
    benchmark::DoNotOptimize(objects.font.GetHandle());
  }
}
BENCHMARK(BM_Stage1_Resources)->Unit(benchmark::kMillisecond);

// The 2000 x 1000 canvas and a graphics on it.
void BM_Stage2_Canvas(benchmark::State& state) {
  for (auto _ : state) {
    Canvas canvas;
    benchmark::DoNotOptimize(canvas.graphics.GetHandle());
  }
}
BENCHMARK(BM_Stage2_Canvas)->Unit(benchmark::kMillisecond);

void BM_Stage3_Measure(benchmark::State& state) {
  const RenderObjects objects;
  const Canvas canvas;
  const auto text = Sample(3);
  for (auto _ : state) benchmark::DoNotOptimize(Measure(canvas, objects, text));
}
BENCHMARK(BM_Stage3_Measure)->Unit(benchmark::kMillisecond);

void BM_Stage4_Draw(benchmark::State& state) {
  RenderObjects objects;
  Canvas canvas;
  const auto text = Sample(3);
  const imaging::RectF bounds = Measure(canvas, objects, text);
  for (auto _ : state)
    benchmark::DoNotOptimize(
        canvas.graphics.DrawStringW(text, objects.font, objects.brush, bounds, &objects.format));
}
BENCHMARK(BM_Stage4_Draw)->Unit(benchmark::kMillisecond);

// The measured area cloned out of a canvas that was drawn on.
void BM_Stage5_Clone(benchmark::State& state) {
  RenderObjects objects;
  const auto text = Sample(3);
  for (auto _ : state) {
    state.PauseTiming();
    Canvas canvas;
    const imaging::RectF bounds = Measure(canvas, objects, text);
    canvas.graphics.DrawStringW(text, objects.font, objects.brush, bounds, &objects.format);
    imaging::Bitmap picture;
    state.ResumeTiming();
    canvas.bitmap.CloneArea(bounds, imaging::kPixelFormat32bppArgb, picture);
    benchmark::DoNotOptimize(picture.GetHandle());
    state.PauseTiming();
    picture.Dispose();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_Stage5_Clone)->Unit(benchmark::kMillisecond);

imaging::Bitmap ClonedPicture() {
  RenderObjects objects;
  Canvas canvas;
  const auto text = Sample(3);
  const imaging::RectF bounds = Measure(canvas, objects, text);
  canvas.graphics.DrawStringW(text, objects.font, objects.brush, bounds, &objects.format);
  imaging::Bitmap picture;
  canvas.bitmap.CloneArea(bounds, imaging::kPixelFormat32bppArgb, picture);
  return picture;
}

void BM_Stage6_Crop(benchmark::State& state) {
  imaging::Bitmap source = ClonedPicture();
  for (auto _ : state) {
    state.PauseTiming();
    imaging::Bitmap picture;
    source.Clone(picture);
    state.ResumeTiming();
    engine::CropBlankMargins(picture);
    benchmark::DoNotOptimize(picture.GetHandle());
  }
}
BENCHMARK(BM_Stage6_Crop)->Unit(benchmark::kMillisecond);

void BM_Stage7_Encode(benchmark::State& state) {
  imaging::Bitmap picture = ClonedPicture();
  engine::CropBlankMargins(picture);
  for (auto _ : state)
    benchmark::DoNotOptimize(picture.SaveToBytes(values::Text(imaging::kImageFormatPng)));
}
BENCHMARK(BM_Stage7_Encode)->Unit(benchmark::kMillisecond);

void BM_Stage8_Decode(benchmark::State& state) {
  const auto png = engine::RenderTextPicture(Sample(3));
  for (auto _ : state) {
    imaging::Bitmap bitmap;
    bitmap.CreateFromStream(png);
    benchmark::DoNotOptimize(bitmap.GetHandle());
  }
}
BENCHMARK(BM_Stage8_Decode)->Unit(benchmark::kMillisecond);

// Decoding the picture and one GetPixel per pixel into symbols.
void BM_Stage9_DecodeAndWalkPixels(benchmark::State& state) {
  const auto png = engine::RenderTextPicture(Sample(3));
  const auto hollow = values::TextToWideGbk(values::Gbk("○"));
  const auto filled = values::TextToWideGbk(values::Gbk("●"));
  for (auto _ : state) benchmark::DoNotOptimize(engine::PictureToCharacterArt(png, hollow, filled));
}
BENCHMARK(BM_Stage9_DecodeAndWalkPixels)->Unit(benchmark::kMillisecond);

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
