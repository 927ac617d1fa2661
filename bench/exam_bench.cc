// The teacher's kit: a Moodle bank of 100 questions over all sixteen schemes with its pictures,
// against the work of one picture (composing and encoding one panel); worksheets for thirty
// students against the pictures they hold.

#include <benchmark/benchmark.h>

#include "circuit/scheme_set.h"
#include "learning/exam.h"
#include "learning/exam_formats.h"
#include "render/exam_pdf.h"
#include "render/exam_pictures.h"
#include "render/panel_image.h"
#include "render/panel_pictures.h"

namespace kvir {
namespace {

// One panel as `kvir-cli render 14 IN03` makes it: selected, pressed, composed, encoded.
void BM_RenderPng(benchmark::State& state) {
  for (auto _ : state) {
    SchemeSet set;
    HeadlessHost host;
    Scheme& scheme = set.scheme(14);
    std::vector<uint8_t> png;
    {
      PanelPictures pictures(scheme);
      kSchemeTable[13].build(scheme);
      SelectScheme(set, host, 14);
      kSchemeTable[13].press(scheme, scheme.At("IN03"));
      pictures.LoadSchemePicture();
      png = EncodePng(ComposePanel(pictures));
    }
    FreeSchemes(set);
    benchmark::DoNotOptimize(png.data());
  }
}
BENCHMARK(BM_RenderPng)->Unit(benchmark::kMillisecond);

ExamSettings AllSchemes(int count) {
  ExamSettings settings;
  for (int n = 1; n <= kSchemeCount; ++n) settings.schemes.push_back(n);
  settings.kinds = {ExamKind::kOutputs, ExamKind::kInputs, ExamKind::kRows, ExamKind::kScheme};
  settings.count = count;
  settings.seed = 7;
  return settings;
}

// Thirty students' variants of ten questions each, as `kvir-cli exam --students` makes them.
std::vector<ExamVariant> ThirtyStudents() {
  std::vector<ExamVariant> variants;
  for (int s = 1; s <= 30; ++s) {
    variants.push_back(MakeExamVariant(AllSchemes(10), "Student " + std::to_string(s)));
  }
  return variants;
}

// `kvir-cli exam --count 100 --format moodle` without the file: the questions, their pictures
// (a question's and, for outputs and inputs, the answer's) and the XML.
void BM_ExamMoodle100(benchmark::State& state) {
  const ExamSettings settings = AllSchemes(100);
  size_t pictures = 0;
  for (auto _ : state) {
    const std::vector<ExamVariant> variants = {MakeExamVariant(settings, "")};
    pictures = 0;
    const std::string xml =
        MoodleXml(variants, Language::kRussian, [&](const ExamQuestion& q, bool answered) {
          ++pictures;
          return ExamPng(q, answered ? ExamPictureUse::kAnswer : ExamPictureUse::kQuestion,
                         kPlainZoom);
        });
    benchmark::DoNotOptimize(xml.data());
  }
  state.counters["pictures"] = static_cast<double>(pictures);
}
BENCHMARK(BM_ExamMoodle100)->Unit(benchmark::kMillisecond);

// `kvir-cli exam --students` (thirty names) `--format pdf` without the file: 300 worksheet
// pictures from the 300 % set, the pages and the keys.
void BM_ExamPdf30(benchmark::State& state) {
  const std::vector<ExamVariant> variants = ThirtyStudents();
  for (auto _ : state) {
    const std::vector<uint8_t> pdf = ExamWorksheetPdf(variants, Language::kRussian);
    benchmark::DoNotOptimize(pdf.data());
  }
}
BENCHMARK(BM_ExamPdf30)->Unit(benchmark::kSecond)->Iterations(1);

// The pictures those worksheets hold as files: each composed at 300 % and encoded as a PNG, the
// work of composing and compressing that the PDF does for each (cairo deflates it).
void BM_ExamPdf30Pictures(benchmark::State& state) {
  const std::vector<ExamVariant> variants = ThirtyStudents();
  for (auto _ : state) {
    for (const ExamVariant& variant : variants) {
      for (const ExamQuestion& q : variant.questions) {
        const std::vector<uint8_t> png = ExamPng(q, ExamPictureUse::kQuestion, kWorksheetZoom);
        benchmark::DoNotOptimize(png.data());
      }
    }
  }
}
BENCHMARK(BM_ExamPdf30Pictures)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
}  // namespace kvir
