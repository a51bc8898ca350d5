// libFuzzer target: the input's bytes choose a worksheet job, which goes
// through the job's check and, when it passes, through every page of its
// batch on a recording canvas; the rest of the input is parsed as option
// text. A broken invariant aborts, so that libFuzzer keeps the input.

#include "batch.h"
#include "jobvalidation.h"
#include "numbertext.h"
#include "recordingcanvas.h"
#include "reprintcode.h"
#include "sheetkinds.h"
#include "sheetstyles.h"
#include "units.h"
#include "worksheetpresets.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Keeps one input to a few thousand problems, whatever the job asks for.
constexpr int32_t kMaxProblems = 2000;

void require(bool holds, const char *what) {
  if (holds)
    return;
  std::fprintf(stderr, "numeriko_worksheets_fuzz: %s\n", what);
  std::abort();
}

// Reads the input front to back; past its end every byte is 0.
class Bytes {
public:
  Bytes(const uint8_t *data, size_t size) : data_(data), size_(size) {}
  uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
  uint64_t bits(int bytes) {
    uint64_t value = 0;
    for (int i = 0; i < bytes; ++i)
      value = value << 8 | byte();
    return value;
  }
  std::string text(size_t length) {
    length = std::min(length, size_ - at_);
    std::string text(reinterpret_cast<const char *>(data_ + at_), length);
    at_ += length;
    return text;
  }

private:
  const uint8_t *data_;
  size_t size_;
  size_t at_ = 0;
};

// Numbers in and around every limit: small ones, the operand range and just
// beyond it, negative ones, seeds, and the whole of int64.
int64_t number(Bytes &in) {
  const uint8_t mode = in.byte();
  switch (mode % 6) {
  case 0:
    return mode / 6;
  case 1:
    return static_cast<int64_t>(in.bits(2) % 10000);
  case 2:
    return static_cast<int64_t>(in.bits(2));
  case 3:
    return -static_cast<int64_t>(in.bits(2)) - 1;
  case 4:
    return static_cast<int64_t>(in.bits(4));
  default:
    return static_cast<int64_t>(in.bits(8));
  }
}

bool isWholeNumber(std::string_view text) {
  if (!text.empty() && (text.front() == '+' || text.front() == '-'))
    text.remove_prefix(1);
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The documented forms parse, nothing else does, and numbers printed back
// parse to themselves.
void checkParsing(const std::string &text, int64_t a, int64_t b) {
  const std::optional<int64_t> whole = parseWholeNumber(text);
  require(whole.has_value() == isWholeNumber(text), "parseWholeNumber took the wrong text");
  if (text.find("..") == std::string::npos)
    require(parseRange(text) == (whole ? std::optional(NumberRange{*whole, *whole}) : std::nullopt),
            "parseRange read one number differently");
  require(parseWholeNumber(std::to_string(a)) == a, "a number did not parse back");
  const NumberRange range{a, b};
  require(parseRange(std::to_string(a) + ".." + std::to_string(b)) == range,
          "a range did not parse back");
}

WorksheetJob jobFrom(Bytes &in) {
  WorksheetJob job;
  const uint8_t choice = in.byte();
  if (choice & 1)
    job.preset = &kWorksheetPresets[(choice >> 1) % kWorksheetPresets.size()];
  for (int kinds = (choice >> 3) % 4; kinds > 0; --kinds)
    job.kinds.push_back(static_cast<SheetKind>(in.byte() % 7));
  job.page.paper = static_cast<Paper>((choice >> 5) % kPapers.size());
  const auto given = static_cast<uint32_t>(in.bits(3));
  const auto has = [&](int bit) { return (given >> bit & 1) != 0; };
  const auto range = [&] { return NumberRange{number(in), number(in)}; };
  job.min = has(0) ? std::optional(number(in)) : std::nullopt;
  job.max = has(1) ? std::optional(number(in)) : std::nullopt;
  job.first = has(2) ? std::optional(range()) : std::nullopt;
  job.second = has(3) ? std::optional(range()) : std::nullopt;
  job.result = has(4) ? std::optional(range()) : std::nullopt;
  job.carry = has(5) ? std::optional(static_cast<Carry>(in.byte() % 3)) : std::nullopt;
  job.rows = has(6) ? std::optional(number(in)) : std::nullopt;
  job.columns = has(7) ? std::optional(number(in)) : std::nullopt;
  job.count = has(8) ? std::optional(number(in)) : std::nullopt;
  job.answers = has(9);
  job.answersAtEnd = has(10);
  job.fields = {has(11), has(12), has(13), has(14), has(15)};
  job.sheets = number(in);
  job.copies = number(in);
  job.seed = number(in);
  if (choice & 0x80)
    job.title = in.text(in.byte() % 128);
  const uint8_t look = in.byte();
  job.page.landscape = (look & 1) != 0;
  if (look & 2)
    job.size = static_cast<SheetSize>((look >> 2) % kSheetSizes.size());
  if (look & 16)
    job.typeface = static_cast<Typeface>((look >> 5) % kTypefaces.size());
  if (look & 128)
    job.remainder = RemainderStyle::Dots;
  if (has(16))
    job.kana = has(17);
  // Read last, so that the corpus's earlier inputs keep their jobs.
  const uint8_t form = in.byte();
  if (form & 1)
    job.format = static_cast<SheetFormat>((form >> 1) % kSheetFormats.size());
  if (form & 8)
    job.guide = static_cast<Guide>((form >> 4) % kGuides.size());
  const uint8_t more = in.byte();
  if (more & 1)
    job.cells = static_cast<GridCells>((more >> 1) % kGridCells.size());
  if (more & 8)
    job.split = static_cast<CherrySplit>((more >> 4) % kCherrySplits.size());
  job.leaveOutTrivial = (more & 128) != 0;
  const uint8_t three = in.byte();
  if (three & 1)
    job.kinds.push_back(SheetKind::Three);
  for (const SignPairInfo &pair : kSignPairs)
    if (three >> (1 + int(pair.pair)) & 1)
      job.signs.push_back(pair.pair);
  // A unit or two, now and then with a review.
  const uint8_t unit = in.byte();
  if (unit & 1)
    job.units.push_back(&kUnits[(unit >> 1) % kUnits.size()]);
  if (unit & 2)
    job.units.push_back(&kUnits[in.byte() % kUnits.size()]);
  if (unit & 128)
    job.review = in.byte() % 64;
  return job;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  Bytes in(data, size);
  const WorksheetJob job = jobFrom(in);
  checkParsing(in.text(size), job.seed, job.sheets);

  // A sheet's reprint code names its job again.
  const std::string code = reprintCode(job, uint32_t(job.seed), {1, 1});
  const auto again = jobFromReprintCode(code);
  require(std::holds_alternative<WorksheetJob>(again), "a reprint code did not read back");

  const JobCheck check = validateJob(job);
  if (const auto *refusal = std::get_if<Refusal>(&check)) {
    require(refusal->low <= refusal->high, "a refusal's bounds are the wrong way round");
    return 0;
  }
  ResolvedJob resolved = std::get<ResolvedJob>(check);
  SheetPlan &sheet = resolved.sheet;
  require(int64_t{sheet.count} * resolved.sheets * resolved.copies <= kBatchProblems,
          "the batch holds too many problems");
  sheet.count = std::min(sheet.count, kMaxProblems);
  resolved.copies = std::min(resolved.copies, std::max(1, kMaxProblems / sheet.count));
  resolved.sheets =
      std::min(resolved.sheets, std::max(1, kMaxProblems / (sheet.count * resolved.copies)));

  RecordingCanvas canvas;
  const PrintableArea page = printableArea(sheet.page);
  const auto parts = static_cast<int64_t>(batchParts(resolved).size());
  int64_t heard = 0;
  const BatchOutcome outcome = printBatch(resolved, canvas, [&](int64_t done, int64_t all) {
    require(done == ++heard && all == parts, "progress skipped a part");
    return true;
  });

  require(outcome == BatchOutcome::Printed && heard == parts, "the batch stopped short");
  for (const std::string &misuse : canvas.misuses())
    require(false, misuse.c_str());
  require(static_cast<int64_t>(canvas.documents().size()) == batchPages(resolved),
          "the batch printed another number of pages than it counts");
  for (const RecordedDocument &document : canvas.documents()) {
    require(!document.open && document.finished, "a page was left unfinished");
    if (sheet.preset)
      continue;
    for (const RecordedText &text : document.texts())
      require(text.x >= 0 && text.x < page.width && text.y >= 0 && text.y < page.height,
              "a text starts outside the page");
  }
  return 0;
}
