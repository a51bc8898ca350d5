#include "reprintcode.h"

#include "sheetkinds.h"
#include "sheetstyles.h"
#include "units.h"
#include "worksheetpresets.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <vector>

namespace {

// Crockford's base 32: no I, L, O or U, which read as other characters.
constexpr std::string_view kAlphabet = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr int kBitsPerCharacter = 5;
constexpr int kCheckCharacters = 2;
constexpr int kGroup = 4;

class BitWriter {
public:
  void bits(uint64_t value, int count) {
    for (int i = count - 1; i >= 0; --i)
      bits_.push_back(((value >> i) & 1) != 0);
  }
  void flag(bool value) { bits(value ? 1 : 0, 1); }
  // A whole number of any size: its length in bits, then its bits.
  void number(uint64_t value) {
    value = std::min<uint64_t>(value, uint64_t{1} << 62); // checked jobs stay far below
    int length = 0;
    while ((value >> length) != 0)
      ++length;
    bits(uint64_t(length), 6);
    bits(value, length);
  }
  // A value that may be missing: a flag, then the value.
  void optionalNumber(std::optional<int64_t> value) {
    flag(value.has_value());
    if (value)
      number(uint64_t(*value));
  }
  void optionalRange(const std::optional<NumberRange> &range) {
    flag(range.has_value());
    if (range) {
      number(uint64_t(range->low));
      number(uint64_t(range->high));
    }
  }
  // An optional choice of a table: 0 for none, else its place from 1.
  template <typename E> void choice(const std::optional<E> &value, int width) {
    bits(value ? uint64_t(*value) + 1 : 0, width);
  }
  [[nodiscard]] const std::vector<bool> &all() const { return bits_; }

private:
  std::vector<bool> bits_;
};

struct Misread {};

class BitReader {
public:
  explicit BitReader(std::vector<bool> bits) : bits_(std::move(bits)) {}
  uint64_t bits(int count) {
    uint64_t value = 0;
    for (int i = 0; i < count; ++i) {
      if (at_ >= bits_.size())
        throw Misread{};
      value = value << 1 | uint64_t(bits_[at_++]);
    }
    return value;
  }
  bool flag() { return bits(1) != 0; }
  uint64_t number() { return bits(int(bits(6))); }
  // Numbers the job keeps in 64 bits, signed, but never negative.
  int64_t signedNumber() { return int64_t(number()); }
  std::optional<int64_t> optionalNumber() {
    return flag() ? std::optional<int64_t>(signedNumber()) : std::nullopt;
  }
  std::optional<NumberRange> optionalRange() {
    if (!flag())
      return std::nullopt;
    const int64_t low = signedNumber();
    return NumberRange{low, signedNumber()};
  }
  template <typename E> std::optional<E> choice(int width, std::size_t rows) {
    const uint64_t value = bits(width);
    if (value > rows)
      throw Misread{};
    return value == 0 ? std::nullopt : std::optional<E>(E(value - 1));
  }
  // Only padding may be left: fewer than a character's bits, all 0.
  void finish() const {
    if (bits_.size() - at_ >= std::size_t(kBitsPerCharacter) ||
        std::any_of(bits_.begin() + std::ptrdiff_t(at_), bits_.end(), [](bool b) { return b; }))
      throw Misread{};
  }

private:
  std::vector<bool> bits_;
  std::size_t at_ = 0;
};

// What the title was: none, the caption, or a text of the user's own.
enum class TitleKind { None, Caption, Own };

std::vector<int> characters(const std::vector<bool> &bits) {
  std::vector<int> values;
  for (std::size_t i = 0; i < bits.size(); i += kBitsPerCharacter) {
    int value = 0;
    for (std::size_t b = i; b < i + kBitsPerCharacter; ++b)
      value = value << 1 | (b < bits.size() && bits[b] ? 1 : 0);
    values.push_back(value);
  }
  return values;
}

// Ten bits of check over the characters: FNV-1a, folded.
int checkOf(const std::vector<int> &values) {
  uint32_t hash = 2166136261U;
  for (const int value : values) {
    hash ^= uint32_t(value);
    hash *= 16777619U;
  }
  return int((hash ^ (hash >> 10) ^ (hash >> 20)) & 0x3FF);
}

void writeJob(BitWriter &out, const WorksheetJob &job) {
  const auto preset = job.preset ? uint64_t(job.preset - kWorksheetPresets.data()) + 1 : 0;
  out.bits(preset, 3);
  uint64_t kinds = 0;
  for (const SheetKind kind : job.kinds)
    kinds |= uint64_t{1} << int(kind);
  out.bits(kinds, int(kSheetKinds.size()));
  out.optionalNumber(job.min);
  out.optionalNumber(job.max);
  out.optionalRange(job.first);
  out.optionalRange(job.second);
  out.optionalRange(job.result);
  out.choice(job.carry, 2);
  out.optionalNumber(job.rows);
  out.optionalNumber(job.columns);
  out.optionalNumber(job.count);
  const SheetFields &f = job.fields;
  for (const bool field : {f.name, f.className, f.date, f.score, f.numbers})
    out.flag(field);
  const TitleKind title = !job.title           ? TitleKind::None
                          : job.title->empty() ? TitleKind::Caption
                                               : TitleKind::Own;
  out.bits(uint64_t(title), 2);
  out.bits(uint64_t(job.page.paper), 3);
  out.flag(job.page.landscape);
  out.choice(job.format, 3);
  out.choice(job.size, 2);
  out.choice(job.typeface, 2);
  out.choice(job.remainder, 2);
  out.choice(job.kana, 2);
  out.choice(job.guide, 2);
  out.flag(job.leaveOutTrivial);
  out.choice(job.cells, 2);
  out.choice(job.split, 3);
  uint64_t signs = 0;
  for (const SignPair pair : job.signs)
    signs |= uint64_t{1} << int(pair);
  out.bits(signs, int(kSignPairs.size()));
  out.flag(!job.units.empty());
  if (!job.units.empty())
    out.number(job.units.size());
  for (const UnitInfo *unit : job.units)
    out.number(uint64_t(unit->number));
  out.optionalNumber(job.review);
}

WorksheetJob readJob(BitReader &in, uint64_t version) {
  WorksheetJob job;
  const uint64_t preset = in.bits(3);
  if (preset > kWorksheetPresets.size())
    throw Misread{};
  if (preset > 0)
    job.preset = &kWorksheetPresets[preset - 1];
  // Before version 3 there were seven kinds, without three numbers.
  const uint64_t kinds = in.bits(version < 3 ? 7 : int(kSheetKinds.size()));
  for (const SheetKindInfo &info : kSheetKinds)
    if ((kinds >> int(info.kind)) & 1)
      job.kinds.push_back(info.kind);
  job.min = in.optionalNumber();
  job.max = in.optionalNumber();
  job.first = in.optionalRange();
  job.second = in.optionalRange();
  job.result = in.optionalRange();
  job.carry = in.choice<Carry>(2, 3);
  job.rows = in.optionalNumber();
  job.columns = in.optionalNumber();
  job.count = in.optionalNumber();
  SheetFields &f = job.fields;
  for (bool *field : {&f.name, &f.className, &f.date, &f.score, &f.numbers})
    *field = in.flag();
  const auto title = TitleKind(in.bits(2));
  if (title != TitleKind::None)
    job.title = std::string();
  const uint64_t paper = in.bits(3);
  if (paper >= kPapers.size())
    throw Misread{};
  job.page.paper = Paper(paper);
  job.page.landscape = in.flag();
  // Version 1 knew one format and no guides.
  job.format =
      in.choice<SheetFormat>(version == 1 ? 2 : 3, version == 1 ? 1 : kSheetFormats.size());
  job.size = in.choice<SheetSize>(2, kSheetSizes.size());
  job.typeface = in.choice<Typeface>(2, kTypefaces.size());
  job.remainder = in.choice<RemainderStyle>(2, kRemainderStyles.size());
  job.kana = in.choice<bool>(2, 2);
  if (version > 1) {
    job.guide = in.choice<Guide>(2, kGuides.size());
    job.leaveOutTrivial = in.flag();
    job.cells = in.choice<GridCells>(2, kGridCells.size());
    job.split = in.choice<CherrySplit>(3, kCherrySplits.size());
  }
  if (version > 2) {
    const uint64_t signs = in.bits(int(kSignPairs.size()));
    for (const SignPairInfo &info : kSignPairs)
      if ((signs >> int(info.pair)) & 1)
        job.signs.push_back(info.pair);
  }
  if (version > 3) {
    const uint64_t units = in.flag() ? in.number() : 0;
    if (units > 1000) // a mix of units names each once or a few times
      throw Misread{};
    for (uint64_t u = 0; u < units; ++u) {
      const UnitInfo *unit = unitNumbered(int32_t(std::min<uint64_t>(in.number(), INT32_MAX)));
      if (!unit)
        throw Misread{};
      job.units.push_back(unit);
    }
    job.review = in.optionalNumber();
  }
  return job;
}

} // namespace

std::string reprintCode(const WorksheetJob &job, uint32_t seed, SheetNumber sheet) {
  BitWriter out;
  out.bits(kReprintCodeVersion, kBitsPerCharacter);
  writeJob(out, job);
  out.bits(seed, 32);
  out.number(uint64_t(sheet.sheet));
  out.number(uint64_t(sheet.of));
  std::vector<int> values = characters(out.all());
  const int check = checkOf(values);
  values.push_back(check >> kBitsPerCharacter);
  values.push_back(check & 31);
  std::string code;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0 && i % kGroup == 0)
      code += '-';
    code += kAlphabet[std::size_t(values[i])];
  }
  return code;
}

std::variant<WorksheetJob, Refusal> jobFromReprintCode(std::string_view code) {
  const Refusal notACode{JobField::Reprint, RefusalReason::NotACode};
  std::vector<int> values;
  for (const char c : code) {
    if (c == '-' || c == ' ')
      continue;
    char upper = char(std::toupper(static_cast<unsigned char>(c)));
    // Crockford's readings of the letters it leaves out.
    upper = upper == 'O' ? '0' : (upper == 'I' || upper == 'L') ? '1' : upper;
    const std::size_t value = kAlphabet.find(upper);
    if (value == std::string_view::npos)
      return notACode;
    values.push_back(int(value));
  }
  if (values.size() <= std::size_t(kCheckCharacters) + 1)
    return notACode;
  if (values.front() < 1 || values.front() > kReprintCodeVersion)
    return Refusal{JobField::Reprint, RefusalReason::OtherVersion, values.front()};
  const int check = values[values.size() - 2] << kBitsPerCharacter | values.back();
  values.resize(values.size() - kCheckCharacters);
  if (checkOf(values) != check)
    return notACode;

  std::vector<bool> bits;
  for (const int value : values)
    for (int b = kBitsPerCharacter - 1; b >= 0; --b)
      bits.push_back(((value >> b) & 1) != 0);
  try {
    BitReader in(std::move(bits));
    const uint64_t version = in.bits(kBitsPerCharacter);
    WorksheetJob job = readJob(in, version);
    job.seed = int64_t(in.bits(32));
    const int64_t sheet = in.signedNumber();
    job.reprint = SheetNumber{sheet, in.signedNumber()};
    in.finish();
    return job;
  } catch (const Misread &) {
    return notACode;
  }
}
