// Each preset worksheet with its answer sheet, printed by the window's own
// handlers through QPrinter to PDF files.

#include "benchtable.h"
#include "formfixture.h"
#include "pdfprinter.h"
#include "samples.h"
#include "worksheets.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr double kPresetBudget = 60e-3;

std::string kilobytes(qint64 bytes) { return std::to_string((bytes + 512) / 1024) + " kB"; }

void BM_PresetToPdf(benchmark::State &state) {
  const Preset &preset = kPresets[state.range(0)];
  QTemporaryDir folder;
  auto service = std::make_unique<PdfPrinter>(folder.path());
  PdfPrinter &pdf = *service;
  FormFixture f(std::move(service));
  f.control<QCheckBox>("CheckBox13")->setChecked(true);
  auto *button = f.control<QAbstractButton>(preset.button);
  Samples samples;
  double first = -1;
  qint64 problemSheet = 0;
  qint64 answerSheet = 0;
  for (auto _ : state) {
    const qsizetype before = pdf.files().size();
    const auto start = std::chrono::steady_clock::now();
    button->click();
    const double seconds = secondsSince(start);
    state.SetIterationTime(seconds);
    samples.add(seconds);
    if (first < 0)
      first = seconds;
    const QStringList files = pdf.files();
    if (!f.errors.isEmpty() || files.size() != before + 2) {
      state.SkipWithError("the preset did not print a problem sheet and an answer sheet");
      return;
    }
    problemSheet = QFileInfo(files[before]).size();
    answerSheet = QFileInfo(files[before + 1]).size();
  }
  setTableRow({.measure = "Worksheet " + std::string(preset.button) + " (" +
                          button->text().toStdString() + ") and answer sheet to PDF",
               .result = "median " + milliseconds(samples.median()) + " (first " +
                         milliseconds(first) + "); " + kilobytes(problemSheet) + " + " +
                         kilobytes(answerSheet),
               .budget = "median ≤ 60 ms",
               .held = heldText(samples.median() <= kPresetBudget)});
}
BENCHMARK(BM_PresetToPdf)
    ->DenseRange(0, kPresetCount - 1)
    ->Iterations(20)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
