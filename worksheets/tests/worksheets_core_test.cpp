// The worksheet core without Qt's printing: the job's check, the problems of
// every kind, the seeds, and the pages drawn on a recording canvas.

#include "batch.h"
#include "headerband.h"
#include "jobvalidation.h"
#include "numbertext.h"
#include "pagegrid.h"
#include "recordingcanvas.h"
#include "reprintcode.h"
#include "seededrandom.h"
#include "sheetgenerator.h"
#include "sheetkinds.h"
#include "sheetlook.h"
#include "sheetstyles.h"
#include "units.h"
#include "worksheetpresets.h"

#include <QFile>
#include <QTest>

#include <cmath>
#include <map>
#include <set>

Q_DECLARE_METATYPE(WorksheetJob)
Q_DECLARE_METATYPE(Refusal)

namespace {

WorksheetJob kinds(std::vector<SheetKind> list) {
  WorksheetJob job;
  job.kinds = std::move(list);
  return job;
}

template <typename Change> WorksheetJob with(WorksheetJob job, Change change) {
  change(job);
  return job;
}

ResolvedJob resolved(const WorksheetJob &job) {
  const JobCheck check = validateJob(job);
  if (const auto *refusal = std::get_if<Refusal>(&check))
    qFatal("refused: field %d, reason %d", int(refusal->field), int(refusal->reason));
  return std::get<ResolvedJob>(check);
}

bool within(int64_t value, const NumberRange &range) {
  return value >= range.low && value <= range.high;
}

bool carries(int32_t a, int32_t b) {
  for (; a || b; a /= 10, b /= 10)
    if (a % 10 + b % 10 > 9)
      return true;
  return false;
}

bool borrows(int32_t a, int32_t b) {
  for (; b; a /= 10, b /= 10)
    if (a % 10 < b % 10)
      return true;
  return false;
}

// Whether a product worked in column form carries: some digit of the
// multiplier times the first number's lower places reaches the next place.
bool productCarries(int64_t a, int64_t b) {
  for (; b > 0; b /= 10)
    for (int64_t place = 10; place <= a * 10; place *= 10)
      if (a % place * (b % 10) >= place)
        return true;
  return false;
}

// Whether an item is the sum, difference, product or division it claims,
// inside its kind's ranges and with the carrying asked for.
bool holds(const SheetItem &item, const KindPlan &plan) {
  // Leaving out the trivial: no 0 among the numbers given, no 1 to multiply
  // or divide by, no number less itself.
  const bool division = item.kind == SheetKind::Divide || item.kind == SheetKind::DivideRemainder;
  const bool product = item.kind == SheetKind::Multiply || item.kind == SheetKind::MissingFactor;
  if (plan.leaveOutTrivial &&
      (item.first == 0 || item.second == 0 || ((product || division) && item.second == 1) ||
       (product && item.first == 1) ||
       (item.kind == SheetKind::Subtract && item.first == item.second)))
    return false;
  const bool ranges = within(item.first, plan.first) && within(item.second, plan.second) &&
                      within(item.result, plan.result);
  const auto carry = [&](bool happens) {
    return plan.carry == Carry::Any || (plan.carry == Carry::With) == happens;
  };
  switch (item.kind) {
  case SheetKind::Add:
  case SheetKind::MissingAddend:
    return ranges && item.first + item.second == item.result &&
           carry(carries(item.first, item.second));
  case SheetKind::Subtract:
    return ranges && item.result >= 0 && item.first - item.second == item.result &&
           carry(borrows(item.first, item.second));
  case SheetKind::Multiply: // in column form no two-digit multiplier ends in 0
    return ranges && item.first * item.second == item.result &&
           (plan.format == SheetFormat::Inline || ((item.second < 10 || item.second % 10 != 0) &&
                                                   carry(productCarries(item.first, item.second))));
  case SheetKind::MissingFactor: // and the factor given is not 0, or any factor would do
    return ranges && item.first * item.second == item.result &&
           (item.blank == Blank::First ? item.second : item.first) != 0;
  case SheetKind::Divide:
    return ranges && item.second > 0 && item.result * item.second == item.first &&
           item.remainder == 0;
  case SheetKind::Three: {
    // Every step from 0 to the result's bound; nothing trivial is a 0 or a
    // step that takes a number from itself.
    const bool firstAdds = item.signs == SignPair::AddAdd || item.signs == SignPair::AddSubtract;
    const bool secondAdds = item.signs == SignPair::AddAdd || item.signs == SignPair::SubtractAdd;
    const int64_t step = firstAdds ? item.first + item.second : item.first - item.second;
    const int64_t end = secondAdds ? step + item.third : step - item.third;
    const bool trivial = item.third == 0 || (!firstAdds && step == 0) || (!secondAdds && end == 0);
    return ranges && within(item.third, plan.second) && step >= 0 && step <= plan.result.high &&
           end == item.result && !(plan.leaveOutTrivial && trivial) &&
           std::find(plan.signs.begin(), plan.signs.end(), item.signs) != plan.signs.end();
  }
  case SheetKind::DivideRemainder:
    break;
  }
  return ranges && item.remainder >= 1 && item.remainder < item.second &&
         item.result * item.second + item.remainder == item.first;
}

QString itemText(const SheetItem &item) {
  return QStringLiteral("%1 %2 %3 %4 %5 %6\n")
      .arg(int(item.kind))
      .arg(item.first)
      .arg(item.second)
      .arg(item.result)
      .arg(item.remainder)
      .arg(int(item.blank));
}

std::vector<SheetItem> sheetItems(const ResolvedJob &job, uint32_t seed) {
  SeededRandom random(seed);
  return generateSheet(job.sheet, factSpaces(job.sheet), job.sheet.count, random);
}

// Where drawing lands, in device pixels.
struct Box {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  [[nodiscard]] bool meets(const Box &o) const {
    return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
  }
  [[nodiscard]] bool within(const Box &o, int32_t slack = 0) const {
    return left >= o.left - slack && right <= o.right + slack && top >= o.top - slack &&
           bottom <= o.bottom + slack;
  }
};

Box boxOf(const RecordedShape &s) {
  return {std::min(s.x1, s.x2), std::min(s.y1, s.y2), std::max(s.x1, s.x2), std::max(s.y1, s.y2)};
}

struct Drawn {
  Box box;
  std::string text; // empty for a shape
  Ink ink;
  double points = 0;
};

std::vector<Drawn> drawnOn(const RecordingCanvas &canvas, const RecordedDocument &page) {
  std::vector<Drawn> drawn;
  for (const RecordedText &t : page.texts()) {
    const PixelBox b = canvas.textBox(t);
    const double points = t.size.unit == FontSize::Unit::Points ? t.size.value : 0;
    drawn.push_back({{b.left, b.top, b.right, b.bottom}, t.text, t.colour, points});
  }
  for (const RecordedShape &s : page.rectangles())
    drawn.push_back({boxOf(s), {}, s.colour, 0});
  return drawn;
}

bool isNumber(const std::string &text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isProblemNumber(const std::string &text) {
  return text.size() > 2 && text.front() == '(' && text.back() == ')';
}

int32_t pixels(double mm) { return int32_t(std::lround(mm * kSheetDpi / 25.4)); }

// A preset's numbers stand over their items, no further left than the item
// begins, and clear of every other text.
void verifyPresetItems(const std::vector<Drawn> &drawn, bool answers, bool numbered) {
  QCOMPARE(
      std::any_of(drawn.begin(), drawn.end(), [](const Drawn &d) { return d.text == "名前（"; }) &&
          answers,
      false);
  if (!numbered)
    return;
  std::vector<const Drawn *> numbers;
  for (const Drawn &d : drawn)
    if (isProblemNumber(d.text))
      numbers.push_back(&d);
  QVERIFY(!numbers.empty());
  std::set<int32_t> lefts;
  for (const Drawn *n : numbers)
    lefts.insert(n->box.left);
  const int32_t pitch = lefts.size() > 1 ? *std::next(lefts.begin()) - *lefts.begin() : 1 << 20;
  // The items under a column's numbers begin no further left than they do.
  std::map<int32_t, int32_t> itemLefts; // by the numbers' left edge
  for (const Drawn *n : numbers) {
    int32_t &itemLeft = itemLefts.try_emplace(n->box.left, INT32_MAX).first->second;
    for (const Drawn &d : drawn) {
      if (&d == n || isProblemNumber(d.text))
        continue;
      QVERIFY2(!n->box.meets(d.box), (n->text + " / " + d.text).c_str());
      const int32_t height = n->box.bottom - n->box.top;
      if (d.box.top >= n->box.bottom && d.box.top < n->box.bottom + 4 * height &&
          d.box.left >= n->box.left - pitch / 4 && d.box.left < n->box.left + pitch * 3 / 4)
        itemLeft = std::min(itemLeft, d.box.left);
    }
  }
  for (const auto &[left, itemLeft] : itemLefts)
    QVERIFY2(itemLeft < INT32_MAX && left >= itemLeft - 10,
             qPrintable(QStringLiteral("%1 against %2").arg(left).arg(itemLeft)));
}

// Lines drawn on a page, each with its colour.
std::vector<Drawn> linesOn(const RecordedDocument &page) {
  std::vector<Drawn> lines;
  const std::vector<RecordedPathPoint> path = page.path();
  for (std::size_t i = 1; i < path.size(); ++i)
    if (path[i].draws)
      lines.push_back(
          {boxOf({path[i - 1].x, path[i - 1].y, path[i].x, path[i].y}), {}, path[i].colour});
  // An arc's box is that of the part drawn, traced a degree at a time.
  for (const RecordedShape &arc : page.arcs()) {
    Box box{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (int32_t degree = 0; degree <= arc.spanDegrees; ++degree) {
      const double angle = (arc.startDegrees + degree) * 3.14159265358979 / 180;
      const auto x = int32_t((arc.x1 + arc.x2) / 2.0 + (arc.x2 - arc.x1) / 2.0 * std::cos(angle));
      const auto y = int32_t((arc.y1 + arc.y2) / 2.0 - (arc.y2 - arc.y1) / 2.0 * std::sin(angle));
      box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
             std::max(box.bottom, y)};
    }
    lines.push_back({box, "arc", arc.colour});
  }
  return lines;
}

int64_t power10(int32_t place) { return place <= 0 ? 1 : 10 * power10(place - 1); }
int32_t digitOf(int64_t value, int32_t place) { return int32_t(value / power10(place) % 10); }

// A row of a column problem as read back from the page: its digits by place.
struct ReadRow {
  std::map<int32_t, int32_t> digits;
  [[nodiscard]] int64_t value() const {
    int64_t v = 0;
    for (const auto &[place, digit] : digits)
      v += digit * power10(place);
    return v;
  }
  [[nodiscard]] int32_t last() const { return digits.begin()->first; }
  [[nodiscard]] int64_t number() const { return value() / power10(last()); }
};

// One column problem read back from what was drawn in its cell: the digits
// stand on squares counted from the cell's right edge (ones under ones), and
// on an answer sheet the red work is arithmetic recomputed here from the
// printed numbers: the result, carries and reduced digits, partial products,
// and every step of a division. A problem sheet shows nothing in red.
void verifyColumnItem(const std::vector<const Drawn *> &inCell, const std::vector<Drawn> &lines,
                      const Box &cell, double squarePixels, int32_t itemPoints, bool answers) {
  const Drawn *arc = nullptr;
  std::string sign;
  for (const Drawn &l : lines)
    if (l.text == "arc" && l.box.within(cell))
      arc = &l;
  std::map<int32_t, ReadRow> black, red; // by the rows' tops
  ReadRow divisor, memo;
  for (const Drawn *d : inCell) {
    if (d->text.empty() || isProblemNumber(d->text))
      continue;
    QVERIFY2(answers || d->ink == kBlackInk, d->text.c_str());
    if (!isNumber(d->text)) {
      sign = d->text;
      continue;
    }
    QCOMPARE(int(d->text.size()), 1);
    const double fromRight = (cell.right - (d->box.left + d->box.right) / 2.0) / squarePixels - 0.5;
    const auto place = int32_t(std::lround(fromRight));
    const int32_t digit = d->text[0] - '0';
    if (d->points < itemPoints) {
      memo.digits[place] = digit;
    } else if (arc && d->box.right <= arc->box.left) {
      divisor.digits[d->box.left] = digit;
    } else {
      QVERIFY2(std::abs(fromRight - place) < 0.05, d->text.c_str()); // on its square
      (d->ink == kBlackInk ? black : red)[d->box.top].digits[place] = digit;
    }
  }
  if (!answers) {
    QVERIFY(red.empty() && memo.digits.empty());
    return;
  }
  int32_t strikes = 0;
  for (const Drawn &l : lines)
    strikes += l.ink == kAnswerInk && l.box.within(cell) && l.box.left != l.box.right &&
               l.box.top != l.box.bottom;
  std::vector<ReadRow> work;
  for (const auto &[top, row] : red)
    work.push_back(row);
  // The problem's number: at the top left, above and left of all the rest.
  for (const Drawn *n : inCell)
    if (isProblemNumber(n->text)) {
      for (const Drawn *d : inCell)
        QVERIFY(d == n || (d->box.top >= n->box.bottom && d->box.left >= n->box.left));
      for (const Drawn &l : lines)
        QVERIFY(!l.box.meets(cell) || (l.box.top >= n->box.bottom && l.box.left >= n->box.left));
    }
  const int64_t a = black.begin()->second.value();
  std::map<int32_t, int32_t> memoWanted;
  if (arc) { // N ÷ D: the quotient over the dividend, then product, difference...
    int64_t d = 0;
    for (const auto &[left, digit] : divisor.digits)
      d = d * 10 + digit;
    const int64_t q = a / d;
    QCOMPARE(work.front().value(), q);
    const int32_t first = work.front().digits.rbegin()->first;
    QVERIFY(a / power10(first) >= d && a / power10(first + 1) < d);
    std::size_t row = 1;
    for (int32_t place = first; place >= 0; --place) {
      if (digitOf(q, place) == 0)
        continue;
      QCOMPARE(work.at(row).number(), digitOf(q, place) * d);
      QCOMPARE(work.at(row).last(), place);
      // A difference before the next step holds what is left of the
      // dividend down to that step's place.
      const ReadRow &difference = work.at(row + 1);
      const int32_t l = difference.last();
      if (row + 2 < work.size())
        QCOMPARE(difference.number(), a / power10(l) - 10 * d * (q / power10(l + 1)));
      row += 2;
    }
    QCOMPARE(row, work.size());
    QCOMPARE(work.back().last(), 0);
    QCOMPARE(work.back().value(), a % d);
  } else {
    const int64_t b = std::next(black.begin())->second.value();
    const int32_t places = decimalDigits(a);
    if (sign == "＋") {
      QCOMPARE(work.at(0).value(), a + b);
      for (int32_t p = 1; p < std::max(places, decimalDigits(b)); ++p)
        if (a % power10(p) + b % power10(p) >= power10(p))
          memoWanted[p] = 1;
    } else if (sign == "－") {
      QCOMPARE(work.at(0).value(), a - b);
      // A place lends when the places below it are short; it keeps its
      // digit less one, a 0 becoming 9.
      int32_t lenders = 0;
      for (int32_t p = 1; p < places; ++p)
        if (a % power10(p) < b % power10(p)) {
          const int32_t reduced = (digitOf(a, p) + 9) % 10;
          ++lenders;
          if (reduced > 0 || p + 1 < places)
            memoWanted[p] = reduced;
        }
      QCOMPARE(strikes, lenders);
    } else {
      QCOMPARE(sign, std::string("×"));
      QCOMPARE(work.back().value(), a * b);
      if (b >= 10) { // two partial products, the second from the tens
        QCOMPARE(work.size(), std::size_t{3});
        QCOMPARE(work[0].value(), a * (b % 10));
        QCOMPARE(work[1].number(), a * (b / 10));
        QCOMPARE(work[1].last(), 1);
      } else {
        for (int32_t p = 1; p < places; ++p)
          if (const int64_t carry = a % power10(p) * b / power10(p); carry > 0)
            memoWanted[p] = int32_t(carry);
      }
    }
    QCOMPARE(work.back().last(), 0);
  }
  QCOMPARE(memo.digits, memoWanted);
}

// A 百ます grid read back from its cell: the sign in the corner, the
// headers in black, and on an answer sheet every cell in red, recomputed
// here as its row's first number and its column's second (a row of ten:
// its column's first number and the corner's second).
void verifyGridItem(const std::vector<const Drawn *> &inCell, bool answers) {
  std::set<int32_t> xs, ys;
  for (const Drawn *d : inCell)
    if (!d->text.empty() && !isProblemNumber(d->text)) {
      xs.insert((d->box.left + d->box.right) / 2);
      ys.insert(d->box.top);
    }
  const auto indexIn = [](const std::set<int32_t> &keys, int32_t key) {
    return int32_t(std::distance(keys.begin(), keys.find(key)));
  };
  std::map<std::pair<int32_t, int32_t>, const Drawn *> at; // (row, column)
  for (const Drawn *d : inCell)
    if (!d->text.empty() && !isProblemNumber(d->text))
      at[{indexIn(ys, d->box.top), indexIn(xs, (d->box.left + d->box.right) / 2)}] = d;
  const auto sign = at.find({0, 0});
  QVERIFY(sign != at.end() && !isNumber(sign->second->text));
  const auto value = [&](int32_t r, int32_t c) -> int64_t { // -1: no number there
    const auto d = at.find({r, c});
    return d != at.end() && isNumber(d->second->text) ? std::stoll(d->second->text) : -1;
  };
  const bool row = ys.size() == 2;
  int32_t filled = 0;
  for (const auto &[place, d] : at) {
    const auto [r, c] = place;
    QCOMPARE(d->ink == kAnswerInk, answers && r > 0 && c > 0);
    if (r == 0 || c == 0)
      continue;
    ++filled;
    const int64_t first = row ? value(0, c) : value(r, 0);
    const int64_t second = row ? value(1, 0) : value(0, c);
    const std::string &op = sign->second->text;
    QCOMPARE(value(r, c), op == "＋"   ? first + second
                          : op == "－" ? first - second
                                       : first * second);
    QVERIFY(op != "－" || value(r, c) >= 0);
  }
  QCOMPARE(filled, answers ? int32_t((ys.size() - 1) * (xs.size() - 1)) : 0);
}

// A さくらんぼ problem read back from its cell: two circles under the number
// split; on an answer sheet the result in red, and in the circles two red
// parts that add up to that number and make ten as the textbooks teach (9 ＋
// 4: 1 with the 9; 3 ＋ 9: 1 with the 9; 13 － 8: 10 from 13, or 3 of the 8).
void verifyCherryItem(const std::vector<const Drawn *> &inCell, const RecordedDocument &page,
                      const Box &cell, bool answers) {
  std::vector<Box> circles;
  for (const RecordedShape &e : page.ellipses())
    if (boxOf(e).within(cell))
      circles.push_back(boxOf(e));
  QCOMPARE(circles.size(), std::size_t{2});
  for (const Drawn *n : inCell) // a number above all, its cherry included
    if (isProblemNumber(n->text))
      for (const Drawn *d : inCell)
        QVERIFY(d == n || (d->box.top >= n->box.bottom && circles[0].top >= n->box.bottom));
  std::map<int32_t, const Drawn *> line, parts; // by their centres
  std::string sign;
  for (const Drawn *d : inCell) {
    if (d->text.empty() || isProblemNumber(d->text))
      continue;
    const int32_t x = (d->box.left + d->box.right) / 2;
    const int32_t y = (d->box.top + d->box.bottom) / 2;
    const bool inCircle = std::any_of(circles.begin(), circles.end(), [&](const Box &c) {
      return x > c.left && x < c.right && y > c.top && y < c.bottom;
    });
    if (inCircle)
      parts[x] = d;
    else if (isNumber(d->text))
      line[x] = d;
    else if (d->text != "＝")
      sign = d->text;
  }
  QCOMPARE(parts.size(), answers ? std::size_t{2} : std::size_t{0});
  QCOMPARE(line.size(), answers ? std::size_t{3} : std::size_t{2});
  if (!answers)
    return;
  std::vector<int64_t> n; // first, second, result
  for (const auto &[x, d] : line)
    n.push_back(std::stoll(d->text));
  QCOMPARE(n[2], sign == "＋" ? n[0] + n[1] : n[0] - n[1]);
  const int64_t left = std::stoll(parts.begin()->second->text);
  const int64_t right = std::stoll(parts.rbegin()->second->text);
  const int32_t middle = (circles[0].left + circles[1].right) / 2;
  const bool underFirst =
      std::abs(middle - line.begin()->first) < std::abs(middle - std::next(line.begin())->first);
  QCOMPARE(left + right, underFirst ? n[0] : n[1]);
  if (sign == "＋")
    QCOMPARE(underFirst ? right + n[1] : n[0] + left, int64_t{10});
  else
    QCOMPARE(underFirst ? left : n[0] - left, int64_t{10});
}

// An inline problem on an answer sheet read back left to right: its numbers
// and signs make the answer after 「＝」 (a quotient and remainder make the
// dividend), and no step goes below 0.
void verifyInlineAnswer(const std::vector<const Drawn *> &inCell) {
  std::vector<const Drawn *> texts;
  for (const Drawn *d : inCell)
    if (!d->text.empty() && !isProblemNumber(d->text))
      texts.push_back(d);
  std::sort(texts.begin(), texts.end(),
            [](const Drawn *a, const Drawn *b) { return a->box.left < b->box.left; });
  std::vector<int64_t> given, answer;
  std::string sign;
  int64_t value = 0;
  bool equals = false;
  for (const Drawn *d : texts) {
    if (d->text == "＝")
      equals = true;
    else if (!isNumber(d->text) && !equals)
      sign = d->text;
    else if (isNumber(d->text) && equals)
      answer.push_back(std::stoll(d->text));
    else if (isNumber(d->text)) {
      const int64_t n = std::stoll(d->text);
      value = given.empty() ? n : sign == "＋" ? value + n : sign == "－" ? value - n : value * n;
      QVERIFY2(value >= 0, d->text.c_str());
      given.push_back(n);
    }
  }
  QVERIFY(given.size() >= 2 && !answer.empty());
  if (sign == "÷")
    QCOMPARE(given[0], answer[0] * given[1] + (answer.size() > 1 ? answer[1] : 0));
  else
    QCOMPARE(value, answer[0]);
}

// One page of a batch, checked as a teacher would look at it.
void verifyPage(const ResolvedJob &job, const RecordingCanvas &canvas, int page, int pages,
                bool answers) {
  const RecordedDocument &document = canvas.documents()[std::size_t(page + (answers ? pages : 0))];
  QVERIFY(document.finished);
  const std::vector<Drawn> drawn = drawnOn(canvas, document);
  const PrintableArea area = printableArea(job.sheet.page);
  const Box page_{0, 0, area.width, area.height};
  for (const Drawn &d : drawn)
    QVERIFY2(d.box.within(page_), d.text.c_str());

  // The footer names the page of a sheet of several.
  const auto footer = std::find_if(drawn.begin(), drawn.end(), [](const Drawn &d) {
    return d.text.find("seed ") != std::string::npos;
  });
  QVERIFY(footer != drawn.end());
  if (pages > 1)
    QVERIFY2(footer->text.find(std::to_string(page + 1) + "／" + std::to_string(pages) +
                               "ページ") != std::string::npos,
             footer->text.c_str());
  QVERIFY(footer->text.find(answers ? "こたえ" : "No.") != std::string::npos);

  // The band: texts and ruled boxes above the first row, none meeting another
  // unless a label lies whole within its box; labels at least 4 mm high.
  const bool preset = job.sheet.preset != nullptr;
  const int32_t bandBottom = preset ? area.height : pixels(job.sheet.grid.firstPageTopMm);
  std::vector<Drawn> band;
  for (const Drawn &d : drawn)
    if (page == 0 && d.box.bottom <= bandBottom && &d != &*footer && !isProblemNumber(d.text) &&
        (d.text.empty() ? d.ink == kBlackInk && !preset : d.points > 0))
      band.push_back(d);
  for (std::size_t i = 0; i < band.size(); ++i)
    for (std::size_t j = i + 1; j < band.size(); ++j) {
      const Drawn &a = band[i];
      const Drawn &b = band[j];
      const bool labelInBox = (a.text.empty() != b.text.empty()) &&
                              (a.text.empty() ? b.box.within(a.box) : a.box.within(b.box));
      QVERIFY2(labelInBox || !a.box.meets(b.box), (a.text + " / " + b.text).c_str());
    }
  for (const Drawn &d : band) {
    QVERIFY2(d.text.empty() || d.points * 25.4 / 72 >= 4.0, d.text.c_str());
    if (answers)
      QVERIFY2(d.text != "なまえ" && d.text != "名前" && d.text != "がつ" && d.text != "月",
               d.text.c_str());
  }
  if (answers && !preset)
    QVERIFY(std::none_of(band.begin(), band.end(), [](const Drawn &d) { return d.text.empty(); }));
  if (preset)
    return verifyPresetItems(drawn, answers, job.sheet.fields.numbers);

  // Items: each drawing within one cell, the number clear of the rest, and
  // on an answer sheet what the child writes (inside a box) in red.
  const PageGrid &grid = job.sheet.grid;
  const bool column = job.sheet.format == SheetFormat::Column;
  const int32_t itemPoints = sizeInfo(job.sheet.size).itemPoints;
  const double square = 1.5 * itemPoints * kMmPerPoint * kSheetDpi / 25.4; // 1.5 em
  const std::vector<Drawn> lines = linesOn(document);
  for (const Drawn &l : lines)
    QVERIFY(l.box.within(page_));
  std::map<int32_t, std::set<int32_t>> columns; // numbers' right edges, by cell's left edge
  for (int32_t index = 0; index < itemsOnPage(grid, page); ++index) {
    const RectMm mm = cellOf(grid, page, index);
    const Box cell{pixels(mm.left), pixels(mm.top), pixels(mm.right()), pixels(mm.bottom())};
    std::vector<const Drawn *> inCell;
    for (const Drawn &d : drawn)
      if (d.box.meets(cell) && &d != &*footer) {
        QVERIFY2(d.box.within(cell, 2), d.text.c_str());
        inCell.push_back(&d);
      }
    if (inCell.empty())
      continue;
    if (job.sheet.format == SheetFormat::Grid) {
      verifyGridItem(inCell, answers);
      continue;
    }
    if (job.sheet.format == SheetFormat::Cherry) {
      verifyCherryItem(inCell, document, cell, answers);
      continue;
    }
    if (column) {
      for (const Drawn &l : lines)
        QVERIFY(!l.box.meets(cell) || l.box.within(cell, 2));
      verifyColumnItem(inCell, lines, cell, square, itemPoints, answers);
      continue;
    }
    for (const Drawn *d : inCell) {
      if (isProblemNumber(d->text))
        for (const Drawn *other : inCell)
          QVERIFY2(other == d || !d->box.meets(other->box),
                   (d->text + " / " + other->text).c_str());
      // Within a box: across it, and the text's middle within its height (a
      // face's cell reaches above its digits).
      const bool inBox = std::any_of(inCell.begin(), inCell.end(), [&](const Drawn *b) {
        const int32_t middle = (d->box.top + d->box.bottom) / 2;
        return b->text.empty() && !d->text.empty() && d->box.left >= b->box.left &&
               d->box.right <= b->box.right && middle > b->box.top && middle < b->box.bottom;
      });
      if (!d->text.empty())
        QVERIFY2((d->ink == kAnswerInk) == (answers && inBox), d->text.c_str());
    }
    if (answers)
      verifyInlineAnswer(inCell);
    for (const Drawn *d : inCell)
      if (isNumber(d->text))
        columns[cell.left].insert(d->box.right);
  }
  // A column's numbers are right-aligned place by place: their right edges
  // take no more values than an item has places for numbers (two more
  // beside three numbers, where two end as three do).
  const bool three = std::any_of(job.sheet.kinds.begin(), job.sheet.kinds.end(),
                                 [](const KindPlan &k) { return k.kind == SheetKind::Three; });
  for (const auto &[left, rights] : columns) {
    std::vector<int32_t> edges;
    for (const int32_t right : rights)
      if (edges.empty() || right - edges.back() > 2)
        edges.push_back(right);
    QVERIFY2(edges.size() <= (three ? 6U : 4U), qPrintable(QString::number(edges.size())));
  }
}

} // namespace

// What each unit teaches, as the textbooks put it, checked item by item.
using I = const SheetItem &;
bool digits(int64_t n, int low, int high) {
  return n >= 1 && decimalDigits(n) >= low && decimalDigits(n) <= high;
}
bool isAdd(I i) { return i.kind == SheetKind::Add && i.first + i.second == i.result; }
bool isSub(I i) { return i.kind == SheetKind::Subtract && i.first - i.second == i.result; }
bool isMul(I i) { return i.kind == SheetKind::Multiply && i.first * i.second == i.result; }
bool isDiv(I i) {
  return (i.kind == SheetKind::Divide || i.kind == SheetKind::DivideRemainder) &&
         i.result * i.second + i.remainder == i.first && i.remainder < i.second;
}
bool kuku(I i, int n) { return isMul(i) && i.first == n && i.second >= 1 && i.second <= 9; }
bool addCarry(I i) { return isAdd(i) && i.first >= 2 && i.second >= 2 && i.result > 10; }
bool subBorrow(I i) {
  return isSub(i) && i.first <= 18 && i.second >= 2 && i.second <= 9 && i.first % 10 < i.second;
}
// Long division by two digits with the divisor seen as its tens rounded:
// each quotient digit right at the first try.
bool guessedRight(int64_t dividend, int64_t divisor) {
  const int64_t tens = (divisor + 5) / 10 * 10;
  const std::string number = std::to_string(dividend);
  int64_t part = 0;
  for (std::size_t at = 0; at < number.size(); ++at) {
    part = part * 10 + (number[at] - '0');
    if (part < divisor && dividend / int64_t(std::pow(10, number.size() - at - 1)) < divisor)
      continue;
    if (std::min<int64_t>(part / tens, 9) != part / divisor)
      return false;
    part %= divisor;
  }
  return true;
}
bool columnSquare(I i) { return digits(i.second, 2, 2) && digits(i.first, 2, 3); }

struct UnitRule {
  const char *id;
  bool (*holds)(I);
};
const std::array<UnitRule, kUnits.size()> kUnitRules{{
    {"g1-add-10", [](I i) { return isAdd(i) && i.first >= 1 && i.second >= 1 && i.result <= 10; }},
    {"g1-sub-10", [](I i) { return isSub(i) && i.first <= 10 && i.result >= 1; }},
    {"g1-add-teens",
     [](I i) { return isAdd(i) && i.first / 10 == 1 && digits(i.second, 1, 1) && i.result < 20; }},
    {"g1-sub-teens",
     [](I i) { return isSub(i) && i.first / 10 == 1 && i.second <= 9 && i.result >= 10; }},
    {"g1-three",
     [](I i) {
       const int64_t b = i.signs == SignPair::AddAdd || i.signs == SignPair::AddSubtract
                             ? i.first + i.second
                             : i.first - i.second;
       return i.kind == SheetKind::Three && b >= 0 && b <= 10 && i.result >= 1 && i.result <= 10 &&
              i.first > 0 && i.second > 0 && i.third > 0;
     }},
    {"g1-add-carry", addCarry},
    {"g1-sub-borrow", subBorrow},
    {"g1-cherry-add", addCarry},
    {"g1-cherry-sub", subBorrow},
    {"g1-grid-add10",
     [](I i) {
       std::set<int32_t> firsts(i.firsts.begin(), i.firsts.end());
       return i.kind == SheetKind::Add && firsts.size() == 10 && *firsts.rbegin() == 9 &&
              i.seconds.size() == 1 && i.seconds[0] >= 1 && i.seconds[0] <= 9;
     }},
    {"g1-tens",
     [](I i) {
       const bool tens = i.first % 10 == 0 && i.second % 10 == 0;
       return (isAdd(i) && i.result <= 100 && (tens || (i.first % 10 == 0 && i.second < 10))) ||
              (isSub(i) && i.result > 0 && (tens || (i.second < 10 && i.result % 10 == 0)));
     }},
    {"g2-add-col",
     [](I i) {
       return isAdd(i) && digits(i.first, 2, 2) && digits(i.second, 2, 2) && i.result < 100;
     }},
    {"g2-sub-col",
     [](I i) {
       return isSub(i) && digits(i.first, 2, 2) && digits(i.second, 2, 2) && i.result > 0;
     }},
    {"g2-add-col-100",
     [](I i) {
       return isAdd(i) && digits(i.first, 2, 2) && digits(i.second, 2, 2) && i.result >= 100;
     }},
    {"g2-sub-col-100",
     [](I i) {
       return isSub(i) && digits(i.first, 3, 3) && digits(i.second, 2, 2) && i.result < 100 &&
              i.result > 0;
     }},
    {"g2-hundreds",
     [](I i) {
       return (isAdd(i) || isSub(i)) && i.first % 100 == 0 && i.second % 100 == 0 &&
              i.result >= 100 && i.result <= 1000 && i.second > 0;
     }},
    {"g2-kuku-5", [](I i) { return kuku(i, 5); }},
    {"g2-kuku-2", [](I i) { return kuku(i, 2); }},
    {"g2-kuku-3", [](I i) { return kuku(i, 3); }},
    {"g2-kuku-4", [](I i) { return kuku(i, 4); }},
    {"g2-kuku-6", [](I i) { return kuku(i, 6); }},
    {"g2-kuku-7", [](I i) { return kuku(i, 7); }},
    {"g2-kuku-8", [](I i) { return kuku(i, 8); }},
    {"g2-kuku-9", [](I i) { return kuku(i, 9); }},
    {"g2-kuku-1", [](I i) { return kuku(i, 1); }},
    {"g2-kuku", [](I i) { return isMul(i) && digits(i.first, 1, 1) && digits(i.second, 1, 1); }},
    {"g2-grid-add", [](I i) { return i.kind == SheetKind::Add && i.firsts.size() == 10; }},
    {"g2-grid-sub",
     [](I i) {
       return i.kind == SheetKind::Subtract && i.firsts.size() == 10 &&
              *std::min_element(i.firsts.begin(), i.firsts.end()) == 10;
     }},
    {"g2-grid-mul", [](I i) { return i.kind == SheetKind::Multiply && i.seconds.size() == 10; }},
    {"g3-div",
     [](I i) {
       return isDiv(i) && i.remainder == 0 && i.second >= 2 && i.second <= 9 && i.result <= 9;
     }},
    {"g3-add-col",
     [](I i) {
       return isAdd(i) && digits(i.first, 3, 4) && digits(i.second, 3, 4) && i.result < 10000;
     }},
    {"g3-sub-col", [](I i) { return isSub(i) && digits(i.first, 3, 4) && i.result > 0; }},
    {"g3-div-rem",
     [](I i) { return isDiv(i) && i.remainder >= 1 && i.second <= 9 && digits(i.result, 1, 1); }},
    {"g3-mul-col-1",
     [](I i) { return isMul(i) && digits(i.first, 2, 3) && digits(i.second, 1, 1); }},
    {"g3-div-tens",
     [](I i) {
       return isDiv(i) && i.remainder == 0 && digits(i.second, 1, 1) && digits(i.result, 2, 2) &&
              (i.first / 10) % i.second == 0 && (i.first % 10) % i.second == 0;
     }},
    {"g3-mul-tens",
     [](I i) {
       return isMul(i) && ((i.first % 10 == 0 && digits(i.second, 1, 1)) ||
                           (i.second % 10 == 0 && digits(i.first, 1, 1)));
     }},
    {"g3-mul-col-2",
     [](I i) {
       return isMul(i) && digits(i.first, 2, 3) && digits(i.second, 2, 2) && i.second % 10 != 0;
     }},
    {"g4-div-tens",
     [](I i) {
       return isDiv(i) && i.remainder == 0 && i.result >= 2 &&
              ((i.second % 10 == 0 && i.result <= 9) ||
               (digits(i.second, 1, 1) && i.result % 100 == 0));
     }},
    {"g4-div-col-1",
     [](I i) {
       return isDiv(i) && digits(i.first, 2, 3) && digits(i.second, 1, 1) && i.result >= 1;
     }},
    {"g4-div-col-2",
     [](I i) {
       return isDiv(i) && columnSquare(i) && i.result >= 1 && guessedRight(i.first, i.second);
     }},
    {"g4-div-col-2-fix", [](I i) { return isDiv(i) && columnSquare(i) && i.result >= 1; }},
}};

class WorksheetsCoreTest : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void shouldRefuseABadJob_data() {
    QTest::addColumn<WorksheetJob>("job");
    QTest::addColumn<Refusal>("refusal");
    using F = JobField;
    using R = RefusalReason;
    const WorksheetJob add = kinds({SheetKind::Add});
    const WorksheetJob preset =
        with(WorksheetJob{}, [](auto &j) { j.preset = &kWorksheetPresets[2]; });
    const auto row = [](const char *name, const WorksheetJob &job, F field, R reason,
                        int64_t low = 0, int64_t high = 0) {
      QTest::newRow(name) << job << Refusal{field, reason, low, high};
    };
    row("no kind or preset", WorksheetJob{}, F::Kind, R::Missing);
    row("count 0", with(add, [](auto &j) { j.count = 0; }), F::Count, R::OutOfRange, 1, 10000);
    row("count negative", with(add, [](auto &j) { j.count = -5; }), F::Count, R::OutOfRange, 1,
        10000);
    row("count 10001", with(add, [](auto &j) { j.count = 10001; }), F::Count, R::OutOfRange, 1,
        10000);
    row("sheets 1001", with(add, [](auto &j) { j.sheets = 1001; }), F::Sheets, R::OutOfRange, 1,
        1000);
    row("copies 0", with(add, [](auto &j) { j.copies = 0; }), F::Copies, R::OutOfRange, 1, 100);
    row("min above max", with(add, [](auto &j) { j.min = 8, j.max = 3; }), F::Min, R::LowAboveHigh);
    row("max beyond 9999", with(add, [](auto &j) { j.max = 10000; }), F::Max, R::OutOfRange, 0,
        9999);
    row("first negative",
        with(add,
             [](auto &j) {
               j.first = NumberRange{-1, 5};
             }),
        F::First, R::OutOfRange, 0, 9999);
    row("second backwards",
        with(add,
             [](auto &j) {
               j.second = NumberRange{9, 2};
             }),
        F::Second, R::LowAboveHigh);
    row("preset with a kind", with(preset, [](auto &j) { j.kinds = {SheetKind::Add}; }), F::Kind,
        R::NotWithPreset);
    row("preset with ranges",
        with(preset,
             [](auto &j) {
               j.first = NumberRange{1, 2};
             }),
        F::First, R::NotWithPreset);
    row("preset with a count", with(preset, [](auto &j) { j.count = 10; }), F::Count,
        R::NotWithPreset);
    row("carry on multiplication",
        with(kinds({SheetKind::Multiply}), [](auto &j) { j.carry = Carry::With; }), F::Carry,
        R::NotForKinds);
    row("divisors all 0",
        with(kinds({SheetKind::Divide}),
             [](auto &j) {
               j.second = NumberRange{0, 0};
             }),
        F::Second, R::NoDivisor, 1, 9999);
    row("remainders need a divisor of 2",
        with(kinds({SheetKind::DivideRemainder}),
             [](auto &j) {
               j.second = NumberRange{0, 1};
             }),
        F::Second, R::NoDivisor, 2, 9999);
    row("no carry can happen", with(add, [](auto &j) { j.max = 4, j.carry = Carry::With; }),
        F::Carry, R::NoProblems);
    row("result out of reach",
        with(add,
             [](auto &j) {
               j.max = 9, j.result = NumberRange{19, 30};
             }),
        F::Result, R::NoProblems);
    row("too many columns", with(add, [](auto &j) { j.max = 9999, j.columns = 10; }), F::Columns,
        R::TooMany, 1, 1);
    row("seed beyond 32 bits", with(add, [](auto &j) { j.seed = 4294967296LL; }), F::Seed,
        R::OutOfRange, 0, 4294967295LL);
    row("control character in the title", with(add, [](auto &j) { j.title = "a\tb"; }), F::Title,
        R::BadText, 0, 80);
    row("batch beyond a million problems",
        with(add, [](auto &j) { j.count = 10000, j.sheets = 101; }), F::Sheets, R::OutOfRange, 1,
        100);
    QTest::newRow("ranges that leave no problem together")
        << with(kinds({SheetKind::Subtract}),
                [](auto &j) {
                  j.first = NumberRange{0, 3}, j.second = NumberRange{5, 9}, j.max = 9;
                })
        << Refusal{F::First, R::NoProblems, 0, 0, {}, {F::Second, F::Max}};
    QTest::newRow("a size that fits nothing")
        << with(kinds({SheetKind::DivideRemainder}),
                [](auto &j) {
                  j.first = NumberRange{1000, 9999}, j.size = SheetSize::Large;
                  j.page.paper = Paper::A5, j.fields.numbers = true;
                })
        << Refusal{F::Size, R::DoesNotFit, 0, 0, {"medium", "small"}, {}};
    const WorksheetJob column =
        with(kinds({SheetKind::Divide}), [](auto &j) { j.format = SheetFormat::Column; });
    QTest::newRow("a missing number in column form")
        << with(kinds({SheetKind::Add, SheetKind::MissingFactor}),
                [](auto &j) { j.format = SheetFormat::Column; })
        << Refusal{F::Format,
                   R::NotForFormat,
                   0,
                   0,
                   {"add", "subtract", "multiply", "divide", "divide-remainder"},
                   {}};
    const WorksheetJob borrow =
        with(WorksheetJob{}, [](auto &j) { j.units = {unitNamed("g1-sub-borrow")}; });
    row("a unit with a range",
        with(borrow,
             [](auto &j) {
               j.first = NumberRange{1, 9};
             }),
        F::First, R::NotWithUnit);
    row("a unit and a preset", with(borrow, [](auto &j) { j.preset = &kWorksheetPresets[0]; }),
        F::Preset, R::NotWithUnit);
    row("a review over half", with(borrow, [](auto &j) { j.review = 60; }), F::Review,
        R::OutOfRange, 0, 50);
    row("a review without a unit", with(add, [](auto &j) { j.review = 20; }), F::Review, R::NoUnit);
    row("a review of the first unit",
        with(borrow, [](auto &j) { j.units = {unitNamed("g1-add-10")}, j.review = 20; }), F::Review,
        R::NothingToReview);
    row("units set out apart",
        with(borrow, [](auto &j) { j.units.push_back(unitNamed("g2-add-col")); }), F::Unit,
        R::UnitsApart);
    const WorksheetJob three = kinds({SheetKind::Three});
    QTest::newRow("three numbers as さくらんぼ")
        << with(three, [](auto &j) { j.format = SheetFormat::Cherry; })
        << Refusal{F::Format, R::NotForFormat, 0, 0, {"add", "subtract"}, {}};
    row("three numbers of three digits", with(three, [](auto &j) { j.max = 100; }), F::Max,
        R::OutOfRange, 0, 99);
    row("signs without three numbers",
        with(add, [](auto &j) { j.signs = {SignPair::AddSubtract}; }), F::Signs, R::NotForKinds);
    row("three numbers over a result they cannot reach",
        with(three,
             [](auto &j) {
               j.min = 5, j.result = NumberRange{0, 4};
             }),
        F::Result, R::NoProblems);
    const WorksheetJob grid =
        with(kinds({SheetKind::Subtract}), [](auto &j) { j.format = SheetFormat::Grid; });
    row("cells inline", with(add, [](auto &j) { j.cells = GridCells::Ten; }), F::Cells,
        R::NotForFormat);
    QTest::newRow("a division in 百ます")
        << with(grid, [](auto &j) { j.kinds = {SheetKind::Divide}; })
        << Refusal{F::Format, R::NotForFormat, 0, 0, {"add", "subtract", "multiply"}, {}};
    QTest::newRow("minuends below the subtrahends") << with(grid, [](auto &j) {
      j.first = NumberRange{5, 12};
    }) << Refusal{F::First, R::TooFewValues, 0, 10, {}, {F::Second}};
    row("25 cells from four values",
        with(grid,
             [](auto &j) {
               j.cells = GridCells::TwentyFive, j.second = NumberRange{0, 3};
             }),
        F::Second, R::TooFewValues, 0, 5);
    row("nothing trivial in 100 cells", with(grid, [](auto &j) { j.leaveOutTrivial = true; }),
        F::Trivial, R::NotForFormat);
    row("carrying in 百ます", with(grid, [](auto &j) { j.carry = Carry::With; }), F::Carry,
        R::NotForFormat);
    const WorksheetJob cherry =
        with(kinds({SheetKind::Add}), [](auto &j) { j.format = SheetFormat::Cherry; });
    row("a cherry of two-digit numbers",
        with(cherry,
             [](auto &j) {
               j.first = NumberRange{1, 20};
             }),
        F::First, R::NoCrossing);
    row("a cherry that never crosses ten",
        with(cherry,
             [](auto &j) {
               j.first = NumberRange{1, 4}, j.second = NumberRange{1, 5};
             }),
        F::Format, R::NoCrossing);
    row("a subtraction's split for an addition",
        with(cherry, [](auto &j) { j.split = CherrySplit::Minuend; }), F::Split, R::NotForKinds);
    row("a split inline", with(add, [](auto &j) { j.split = CherrySplit::First; }), F::Split,
        R::NotForFormat);
    row("a guide inline", with(add, [](auto &j) { j.guide = Guide::None; }), F::Guide,
        R::NotForFormat);
    row("six digits in column form", with(column, [](auto &j) { j.max = 100000; }), F::Max,
        R::OutOfRange, 0, 99999);
    row("a divisor of three digits",
        with(column,
             [](auto &j) {
               j.second = NumberRange{2, 100};
             }),
        F::Second, R::OutOfRange, 0, 99);
    row("a dividend shorter than its divisor",
        with(column,
             [](auto &j) {
               j.first = NumberRange{1, 9}, j.second = NumberRange{10, 99};
             }),
        F::First, R::FewerDigits);
    QTest::newRow("a long division too tall for the page") << with(column, [](auto &j) {
      j.first = NumberRange{10000, 99999}, j.size = SheetSize::Large;
      j.page = {Paper::A5, true};
    }) << Refusal{F::Size, R::DoesNotFit, 0, 0, {"small"}, {}};
    row("more rows than fit", with(add, [](auto &j) { j.rows = 50; }), F::Rows, R::TooMany, 1, 14);
    row("a batch beyond a million cells of 百ます",
        with(kinds({SheetKind::Add}),
             [](auto &j) { j.format = SheetFormat::Grid, j.count = 1000, j.sheets = 11; }),
        F::Sheets, R::OutOfRange, 1, 10);
    row("a preset's numbers with no room above its rows",
        with(preset,
             [](auto &j) {
               j.preset = &kWorksheetPresets[0], j.page.paper = Paper::A5;
               j.fields = {true, true, true, true, true};
             }),
        F::Numbers, R::DoesNotFit);
    row("nothing trivial with a preset", with(preset, [](auto &j) { j.leaveOutTrivial = true; }),
        F::Trivial, R::NotWithPreset);
    row("a size with a preset", with(preset, [](auto &j) { j.size = SheetSize::Small; }), F::Size,
        R::NotWithPreset);
    row("reprint of a sheet beyond its batch",
        with(add,
             [](auto &j) {
               j.reprint = SheetNumber{4, 3};
             }),
        F::Reprint, R::OutOfRange, 1, 3);
  }

  void shouldRefuseABadJob() {
    QFETCH(WorksheetJob, job);
    QFETCH(Refusal, refusal);
    const JobCheck check = validateJob(job);
    QVERIFY(std::holds_alternative<Refusal>(check));
    const Refusal &got = std::get<Refusal>(check);
    QCOMPARE(int(got.field), int(refusal.field));
    QCOMPARE(int(got.reason), int(refusal.reason));
    QCOMPARE(got.low, refusal.low);
    QCOMPARE(got.high, refusal.high);
    QCOMPARE(got.allowed, refusal.allowed);
    QCOMPARE(got.with, refusal.with);
  }

  void shouldReadRangesAndNumbersOnlyWhenWhole() {
    QCOMPARE(parseRange("10..99"), (std::optional<NumberRange>{{10, 99}}));
    QCOMPARE(parseRange("7"), (std::optional<NumberRange>{{7, 7}}));
    for (const char *bad : {"", "..", "1..", "..9", "1...9", "a..b", "1..2..3", "1.5", " 3"})
      QVERIFY2(!parseRange(bad), bad);
    QCOMPARE(parseWholeNumber("+42"), std::optional<int64_t>(42));
    for (const char *bad : {"4e2", "+-5", "--5", "-", "99999999999999999999x"})
      QVERIFY2(!parseWholeNumber(bad), bad);
    QCOMPARE(parseWholeNumber("-7"), std::optional<int64_t>(-7));
    QCOMPARE(parseWholeNumber("-9223372036854775808"), std::optional<int64_t>(INT64_MIN));
    QCOMPARE(parseWholeNumber("99999999999999999999"), std::optional<int64_t>(INT64_MAX));
  }

  void everyProblemShouldBeWhatItsKindAndRangesAsk_data() {
    QTest::addColumn<WorksheetJob>("job");
    QTest::addColumn<int>("distinctFacts"); // -1: more than the count
    QTest::newRow("drill's subtraction set")
        << with(kinds({SheetKind::Subtract}), [](auto &j) { j.max = 9, j.count = 110; }) << 55;
    QTest::newRow("addition without carrying") << with(kinds({SheetKind::Add}), [](auto &j) {
      j.first = NumberRange{10, 99}, j.second = NumberRange{10, 99};
      j.carry = Carry::Without, j.count = 200;
    }) << -1;
    QTest::newRow("subtraction with borrowing") << with(kinds({SheetKind::Subtract}), [](auto &j) {
      j.min = 10, j.max = 99, j.carry = Carry::With, j.count = 300;
    }) << -1;
    QTest::newRow("narrow result, wide operands (sampled)")
        << with(kinds({SheetKind::Add}),
                [](auto &j) {
                  j.max = 9999, j.result = NumberRange{5000, 5002}, j.count = 40;
                })
        << -1;
    QTest::newRow("times table, each fact once") << kinds({SheetKind::MissingFactor}) << -1;
    QTest::newRow("missing factors with 0, each with one answer")
        << with(kinds({SheetKind::MissingFactor}),
                [](auto &j) {
                  j.first = NumberRange{0, 9}, j.second = NumberRange{0, 9}, j.count = 99;
                })
        << 99;
    QTest::newRow("exact division, repeated evenly")
        << with(kinds({SheetKind::Divide}), [](auto &j) { j.count = 200; }) << 81;
    QTest::newRow("division with remainder, wide")
        << with(kinds({SheetKind::DivideRemainder}),
                [](auto &j) {
                  j.first = NumberRange{100, 9999}, j.second = NumberRange{2, 99};
                })
        << -1;
    QTest::newRow("column products by two digits, carrying")
        << with(kinds({SheetKind::Multiply}),
                [](auto &j) {
                  j.format = SheetFormat::Column, j.first = NumberRange{10, 999};
                  j.second = NumberRange{2, 99}, j.carry = Carry::With, j.count = 300;
                })
        << -1;
    QTest::newRow("column products without carrying")
        << with(kinds({SheetKind::Multiply}),
                [](auto &j) {
                  j.format = SheetFormat::Column, j.first = NumberRange{10, 99};
                  j.second = NumberRange{2, 9}, j.carry = Carry::Without, j.count = 100;
                })
        << 48; // 4·5 + 3·4 + 2·3 + 1·2 + 4·(1·2)
    QTest::newRow("five-digit column sums (sampled past 32 bits)")
        << with(kinds({SheetKind::Add, SheetKind::DivideRemainder}),
                [](auto &j) {
                  j.format = SheetFormat::Column, j.min = 1, j.max = 99999, j.count = 60;
                })
        << -1;
    QTest::newRow("nothing trivial, every kind")
        << with(kinds({SheetKind::Add, SheetKind::Subtract, SheetKind::Multiply,
                       SheetKind::MissingFactor, SheetKind::Divide}),
                [](auto &j) { j.leaveOutTrivial = true, j.count = 60; })
        << -1;
    QTest::newRow("百ます of subtraction, 100 cells")
        << with(kinds({SheetKind::Subtract}),
                [](auto &j) { j.format = SheetFormat::Grid, j.count = 3; })
        << 3;
    QTest::newRow("百ます, 25 cells, nothing trivial")
        << with(kinds({SheetKind::Add, SheetKind::Multiply}),
                [](auto &j) {
                  j.format = SheetFormat::Grid, j.cells = GridCells::TwentyFive;
                  j.leaveOutTrivial = true, j.count = 6;
                })
        << 6;
    QTest::newRow("three numbers within 10 at every step")
        << with(kinds({SheetKind::Three}), [](auto &j) { j.count = 200; }) << -1;
    QTest::newRow("three numbers, grade 1") << with(kinds({SheetKind::Three}), [](auto &j) {
      j.max = 10, j.result = NumberRange{0, 20}, j.count = 200;
    }) << -1;
    // a − b − c ≥ 1 from 1..5: b + c = 2, 3, 4 leave 3·1 + 2·2 + 1·3 facts.
    QTest::newRow("three numbers, one pair of signs, nothing trivial")
        << with(kinds({SheetKind::Three}),
                [](auto &j) {
                  j.max = 5, j.signs = {SignPair::SubtractSubtract}, j.leaveOutTrivial = true;
                  j.count = 30;
                })
        << 10;
    QTest::newRow("three two-digit numbers (sampled)")
        << with(kinds({SheetKind::Three, SheetKind::Subtract}),
                [](auto &j) {
                  j.max = 99, j.signs = {SignPair::SubtractAdd, SignPair::AddSubtract};
                  j.count = 100;
                })
        << -1;
    QTest::newRow("mix of three") << with(kinds({SheetKind::Add, SheetKind::MissingAddend,
                                                 SheetKind::Divide}),
                                          [](auto &j) { j.count = 31; })
                                  << -1;
  }

  void everyProblemShouldBeWhatItsKindAndRangesAsk() {
    QFETCH(WorksheetJob, job);
    QFETCH(int, distinctFacts);
    const ResolvedJob settled = resolved(job);
    const std::vector<SheetItem> items = sheetItems(settled, 7);
    QCOMPARE(int(items.size()), settled.sheet.count);
    std::map<SheetKind, int> perKind;
    std::map<std::tuple<int, int, int, int, int, int>, int> seen;
    for (const SheetItem &item : items) {
      const auto plan = std::find_if(settled.sheet.kinds.begin(), settled.sheet.kinds.end(),
                                     [&](const KindPlan &p) { return p.kind == item.kind; });
      QVERIFY(plan != settled.sheet.kinds.end());
      if (settled.sheet.format == SheetFormat::Grid) {
        // Every pairing of the headers holds; a hundred cells' headers are
        // all ten values of their ranges, shuffled afresh on every sheet.
        const GridCellsInfo &cells = cellsInfo(settled.sheet.cells);
        QCOMPARE(int(item.firsts.size()), cells.rows == 1 ? cells.columns : cells.rows);
        QCOMPARE(int(item.seconds.size()), cells.rows == 1 ? 1 : cells.columns);
        for (const int32_t a : item.firsts)
          for (const int32_t b : item.seconds)
            QVERIFY(holds({item.kind,
                           a,
                           b,
                           item.kind == SheetKind::Add        ? a + b
                           : item.kind == SheetKind::Subtract ? a - b
                                                              : a * b,
                           0,
                           Blank::Result,
                           {},
                           {},
                           0,
                           SignPair::AddAdd},
                          *plan));
        for (const auto *heads : {&item.firsts, &item.seconds})
          QCOMPARE(std::set<int32_t>(heads->begin(), heads->end()).size(), heads->size());
        if (cells.cells == GridCells::Hundred) {
          std::vector<int32_t> sorted = item.seconds;
          std::sort(sorted.begin(), sorted.end());
          QCOMPARE(sorted, (std::vector<int32_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
        }
        ++seen[{int(item.kind), item.firsts.front(), item.seconds.front(), 0, 0, 0}];
        continue;
      }
      QVERIFY2(holds(item, *plan), qPrintable(itemText(item)));
      const bool missing =
          item.kind == SheetKind::MissingFactor || item.kind == SheetKind::MissingAddend;
      QCOMPARE(item.blank != Blank::Result, missing);
      ++perKind[item.kind];
      ++seen[{int(item.kind), item.first, item.second, item.remainder, item.third,
              int(item.signs)}];
    }
    // The count is shared out evenly over the kinds, and facts evenly over the count.
    for (const auto &[kind, count] : perKind)
      QVERIFY(std::abs(count - settled.sheet.count / int(perKind.size())) <= 1);
    const auto [fewest, most] = std::minmax_element(
        seen.begin(), seen.end(), [](auto &a, auto &b) { return a.second < b.second; });
    QVERIFY(most->second - fewest->second <= 1);
    if (distinctFacts > 0)
      QCOMPARE(int(seen.size()), distinctFacts);
    else
      QCOMPARE(most->second, 1);
    if (settled.sheet.format == SheetFormat::Grid)
      QVERIFY(sheetItems(settled, 8) != items);
  }

  // A seed's sheet is the same everywhere: pinned against a committed sheet.
  void aSeedShouldGiveTheCommittedSheet() {
    const ResolvedJob job = resolved(
        with(kinds({SheetKind::Subtract, SheetKind::MissingFactor, SheetKind::DivideRemainder}),
             [](auto &j) { j.count = 24; }));
    QString text;
    for (const SheetItem &item : sheetItems(job, 2024))
      text += itemText(item);
    ProblemBank bank;
    SeededRandom random(2024);
    fillPresetTable(kWorksheetPresets[2], bank, random);
    for (int32_t slot = 1; slot <= 10; ++slot)
      text += QStringLiteral("%1/%2 ")
                  .arg(bank.ProblemTable.at(slot).Result)
                  .arg(bank.ProblemTable.at(slot).Left);
    text += QStringLiteral("\n%1 %2\n").arg(sheetSeed(7, 2)).arg(sheetSeed(7, 30));
    QFile pinned(QStringLiteral(NUMERIKO_TEST_DATA "/pinned-sheet.txt"));
    // Re-pinning writes the sheet and fails: a pin is checked by a run that
    // did not write it.
    if (qEnvironmentVariableIsSet("NUMERIKO_REPIN")) {
      QVERIFY(pinned.open(QIODevice::WriteOnly));
      pinned.write(text.toUtf8());
      QFAIL("re-pinned: look at the difference, then run again without NUMERIKO_REPIN");
    }
    QVERIFY(pinned.open(QIODevice::ReadOnly));
    QCOMPARE(text, QString::fromUtf8(pinned.readAll()));
  }

  // A footer's seed given as the batch seed prints that sheet again.
  void aSheetsOwnSeedShouldPrintItAgain() {
    WorksheetJob job = with(kinds({SheetKind::Add}), [](auto &j) { j.sheets = 5, j.seed = 7; });
    const std::vector<BatchPart> parts = batchParts(resolved(job));
    QCOMPARE(parts.size(), std::size_t{5});
    std::set<uint32_t> seeds;
    for (const BatchPart &part : parts)
      seeds.insert(part.label.seed);
    QCOMPARE(seeds.size(), std::size_t{5});
    QCOMPARE(parts[0].label.seed, 7U);
    job.sheets = 1;
    job.seed = parts[3].label.seed;
    const ResolvedJob again = resolved(job);
    QCOMPARE(sheetItems(again, batchParts(again)[0].label.seed),
             sheetItems(resolved(job), parts[3].label.seed));
    QVERIFY(sheetItems(again, 7) != sheetItems(again, 8));
  }

  // A footer's reprint code names the job, the seed and the sheet again; a
  // mistyped code is refused, not misread, and read as Crockford reads it.
  void aReprintCodeShouldNameItsSheetAgain_data() {
    QTest::addColumn<WorksheetJob>("job");
    QTest::addColumn<int>("longest"); // characters, dashes included
    QTest::newRow("grade 1") << with(kinds({SheetKind::Add}), [](auto &j) {
      j.max = 9, j.size = SheetSize::Large, j.fields = {true, true, true, true, true};
      j.title = "", j.kana = true;
    }) << 34;
    QTest::newRow("ranges, carry, counts, paper")
        << with(kinds({SheetKind::Subtract, SheetKind::MissingAddend, SheetKind::DivideRemainder}),
                [](auto &j) {
                  j.min = 0, j.first = NumberRange{10, 99}, j.second = NumberRange{1, 9};
                  j.result = NumberRange{0, 4000}, j.carry = Carry::Without, j.rows = 7,
                  j.columns = 2;
                  j.count = 14, j.page = {Paper::B4, true}, j.typeface = Typeface::UdGothic;
                  j.remainder = RemainderStyle::Dots, j.format = SheetFormat::Inline;
                })
        << 60;
    QTest::newRow("column form") << with(kinds({SheetKind::Multiply}), [](auto &j) {
      j.format = SheetFormat::Column, j.guide = Guide::Squares, j.first = NumberRange{100, 99999};
      j.leaveOutTrivial = true;
    }) << 41;
    QTest::newRow("百ます") << with(kinds({SheetKind::Subtract}), [](auto &j) {
      j.format = SheetFormat::Grid, j.cells = GridCells::TwentyFive, j.sheets = 30;
    }) << 32;
    QTest::newRow("three numbers") << with(kinds({SheetKind::Three}), [](auto &j) {
      j.max = 20, j.signs = {SignPair::AddSubtract, SignPair::SubtractAdd};
    }) << 34;
    QTest::newRow("units with a review") << with(WorksheetJob{}, [](auto &j) {
      j.units = {unitNamed("g1-sub-borrow"), unitNamed("g1-add-carry")}, j.review = 25;
      j.size = SheetSize::Medium, j.count = 40;
    }) << 43;
    QTest::newRow("preset") << with(WorksheetJob{}, [](auto &j) {
      j.preset = &kWorksheetPresets[3], j.fields.name = true, j.kana = false;
    }) << 32;
  }

  void aReprintCodeShouldNameItsSheetAgain() {
    QFETCH(WorksheetJob, job);
    QFETCH(int, longest);
    const std::string code = reprintCode(job, 4294967295U, {17, 30});
    QVERIFY2(int(code.size()) <= longest, code.c_str());
    WorksheetJob expected = job;
    expected.seed = 4294967295LL;
    expected.reprint = SheetNumber{17, 30};
    const auto read = jobFromReprintCode(code);
    QVERIFY(std::holds_alternative<WorksheetJob>(read));
    const WorksheetJob &again = std::get<WorksheetJob>(read);
    QCOMPARE(reprintCode(again, 4294967295U, {17, 30}), code);
    QCOMPARE(again.kinds, expected.kinds);
    QVERIFY(again.first == expected.first && again.result == expected.result &&
            again.carry == expected.carry && again.count == expected.count &&
            again.page == expected.page && again.fields == expected.fields &&
            again.size == expected.size && again.kana == expected.kana &&
            again.preset == expected.preset && again.title == expected.title &&
            again.format == expected.format && again.guide == expected.guide &&
            again.leaveOutTrivial == expected.leaveOutTrivial && again.cells == expected.cells &&
            again.split == expected.split && again.signs == expected.signs &&
            again.units == expected.units && again.review == expected.review &&
            again.seed == expected.seed && again.reprint == expected.reprint);
    // A code printed before the column form still reads.
    const auto first = jobFromReprintCode("1018-Z300-0040-0006-0WGM-2RQ1");
    QVERIFY(std::holds_alternative<WorksheetJob>(first));
    const WorksheetJob &old = std::get<WorksheetJob>(first);
    QVERIFY(old.kinds == std::vector{SheetKind::Add} && old.max == 99 && !old.format &&
            old.size == SheetSize::Large && old.seed == 12345 &&
            old.reprint == (SheetNumber{2, 3}));
    // And one printed before three numbers, of さくらんぼ subtraction.
    const auto second = jobFromReprintCode("2020-0108-0150-0006-28A1-CQ4");
    QVERIFY(std::holds_alternative<WorksheetJob>(second));
    const WorksheetJob &cherry = std::get<WorksheetJob>(second);
    QVERIFY(cherry.kinds == std::vector{SheetKind::Subtract} &&
            cherry.format == SheetFormat::Cherry && cherry.split == CherrySplit::Subtrahend &&
            cherry.leaveOutTrivial && cherry.fields.numbers && cherry.signs.empty() &&
            cherry.seed == 777 && cherry.reprint == (SheetNumber{2, 3}));
    // As a teacher might type it: small letters, O for 0, no dashes.
    std::string typed;
    for (const char c : code)
      if (c != '-')
        typed += c == '0' ? 'o' : char(std::tolower(static_cast<unsigned char>(c)));
    QVERIFY(std::holds_alternative<WorksheetJob>(jobFromReprintCode(typed)));
    // Any one character mistyped is caught by the check.
    for (std::size_t i = 1; i < code.size(); ++i) {
      if (code[i] == '-')
        continue;
      std::string wrong = code;
      wrong[i] = wrong[i] == 'Z' ? 'Y' : 'Z';
      const auto misread = jobFromReprintCode(wrong);
      QVERIFY2(std::holds_alternative<Refusal>(misread), wrong.c_str());
      QCOMPARE(std::get<Refusal>(misread).reason, RefusalReason::NotACode);
    }
  }

  // Every unit's sheet asks what the unit teaches, and the sheets of a
  // batch differ; a review is its share of the sheet, spread through it.
  void everyUnitShouldAskWhatItTeaches() {
    for (const UnitRule &rule : kUnitRules) {
      const UnitInfo *unit = unitNamed(rule.id);
      QVERIFY2(unit, rule.id);
      const ResolvedJob job = resolved(with(WorksheetJob{}, [&](auto &j) { j.units = {unit}; }));
      const std::vector<SheetItem> items = sheetItems(job, 11);
      QVERIFY2(!items.empty() && sheetItems(job, 12) != items, rule.id);
      for (const SheetItem &item : items)
        QVERIFY2(rule.holds(item),
                 qPrintable(QString::fromLatin1(rule.id) + u' ' + itemText(item)));
      // A 段 of 九九 is all nine facts, each as often.
      if (unit->id.starts_with("g2-kuku-")) {
        std::map<int32_t, int> seconds;
        for (const SheetItem &item : items)
          ++seconds[item.second];
        QVERIFY(seconds.size() == 9 && seconds.begin()->second == seconds.rbegin()->second);
      }
      // The correcting unit has first guesses to correct.
      if (unit->id.ends_with("-fix"))
        QVERIFY(std::any_of(items.begin(), items.end(),
                            [](I i) { return !guessedRight(i.first, i.second); }));
    }

    const UnitInfo *borrow = unitNamed("g1-sub-borrow");
    for (const int percent : {10, 25, 50}) {
      const ResolvedJob job = resolved(with(WorksheetJob{}, [&](auto &j) {
        j.units = {borrow}, j.review = percent, j.count = 40, j.size = SheetSize::Medium;
      }));
      const std::vector<SheetItem> items = sheetItems(job, 3);
      int reviewed = 0;
      int firstHalf = 0;
      for (std::size_t i = 0; i < items.size(); ++i)
        if (!subBorrow(items[i])) {
          ++reviewed;
          firstHalf += i < items.size() / 2 ? 1 : 0;
          QVERIFY2(isAdd(items[i]) || isSub(items[i]), qPrintable(itemText(items[i])));
        }
      QVERIFY2(std::abs(reviewed - 40 * percent / 100) <= 1, qPrintable(QString::number(reviewed)));
      QVERIFY(firstHalf > 0 && firstHalf < reviewed);
    }
  }

  void aBatchShouldOrderItsSheetsCopiesAndAnswers() {
    WorksheetJob job = with(kinds({SheetKind::Add}),
                            [](auto &j) { j.sheets = 2, j.copies = 2, j.answers = true; });
    const auto order = [](const ResolvedJob &r) {
      QString text;
      for (const BatchPart &p : batchParts(r))
        text += QStringLiteral("%1%2 ").arg(p.label.answers ? 'A' : 'P').arg(p.label.sheet);
      return text;
    };
    // The spooler's jobs: one for each sheet, with the answers that follow it.
    const auto jobs = [](const ResolvedJob &r, bool oneJob) {
      QStringList text;
      for (const auto &parts : spoolerJobs(r, oneJob)) {
        QString one;
        for (const BatchPart &p : parts)
          one += QStringLiteral("%1%2").arg(p.label.answers ? 'A' : 'P').arg(p.label.sheet);
        text << one;
      }
      return text.join(u' ');
    };
    QCOMPARE(order(resolved(job)), QStringLiteral("P1 P1 A1 P2 P2 A2 "));
    QCOMPARE(jobs(resolved(job), false), QStringLiteral("P1P1A1 P2P2A2"));
    QCOMPARE(jobs(resolved(job), true), QStringLiteral("P1P1A1P2P2A2"));
    job.answersAtEnd = true;
    QCOMPARE(order(resolved(job)), QStringLiteral("P1 P1 P2 P2 A1 A2 "));
    QCOMPARE(jobs(resolved(job), false), QStringLiteral("P1P1 P2P2 A1 A2"));
  }

  // Every page the program composes, on every paper either way up, in every
  // size, with and without kana headings and with every set of fields: the
  // header band's boxes and texts never meet, nothing leaves the printable
  // area, each item keeps to its cell and its number clear of it, a column's
  // numbers share their right edge place by place, answer sheets carry no
  // fields and their answers in red, and a sheet of several pages numbers
  // them. The presets' pages keep their numbers over their items.
  void everyPageShouldBeComposedCleanly_data() {
    QTest::addColumn<WorksheetJob>("job");
    const std::vector<SheetFields> fieldSets{{false, false, false, false, false},
                                             {true, true, true, true, true},
                                             {true, false, true, false, true},
                                             {false, true, false, true, false}};
    const std::vector<std::vector<SheetKind>> kindSets{
        {SheetKind::Add},
        {SheetKind::Subtract, SheetKind::MissingAddend},
        {SheetKind::DivideRemainder, SheetKind::MissingFactor}};
    int row = 0;
    for (const PaperInfo &paper : kPapers)
      for (const bool landscape : {false, true})
        for (const SheetSizeInfo &size : kSheetSizes)
          for (std::size_t f = 0; f < fieldSets.size(); ++f, ++row) {
            // Missing numbers and remainders are too wide for the large size
            // on narrow paper: the first grade's additions take it.
            const std::size_t kindSet = size.size == SheetSize::Large ? 0 : std::size_t(row) % 3;
            WorksheetJob job = kinds(kindSets[kindSet]);
            if (row % 3 == 1)
              job.max = 99;
            job.page = {paper.paper, landscape};
            job.size = size.size;
            job.kana = row % 2 == 0;
            job.fields = fieldSets[f];
            job.answers = true;
            if (f % 2 == 1)
              job.title = row % 4 == 1 ? "けいさんの れんしゅう　だい１かい　がんばろう" : "";
            if (row % 5 == 0)
              job.count = 50; // pages enough to break for some sizes
            QTest::addRow("%s%s %s, fields %zu, %s", paper.name.data(),
                          landscape ? " landscape" : "", size.name.data(), f,
                          job.kana.value_or(false) ? "kana" : "kanji")
                << job;
          }
    // Column form: every operation at the fewest and most digits it takes,
    // with each guide, in each size.
    const std::vector<std::tuple<SheetKind, NumberRange, NumberRange>> columnRanges{
        {SheetKind::Add, {10, 99}, {1, 99}},
        {SheetKind::Add, {100, 99999}, {1, 99999}},
        {SheetKind::Subtract, {100, 999}, {10, 999}},
        {SheetKind::Subtract, {10000, 99999}, {1, 9999}},
        {SheetKind::Multiply, {10, 99}, {2, 9}},
        {SheetKind::Multiply, {100, 9999}, {11, 99}},
        {SheetKind::Divide, {10, 99}, {2, 9}},
        {SheetKind::Divide, {1000, 9999}, {11, 99}},
        {SheetKind::DivideRemainder, {100, 999}, {2, 9}}};
    for (const auto &[kind, first, second] : columnRanges)
      for (const GuideInfo &guide : kGuides)
        for (const SheetSizeInfo &size : kSheetSizes) {
          WorksheetJob job = with(kinds({kind}), [&](auto &j) {
            j.format = SheetFormat::Column, j.guide = guide.guide, j.size = size.size;
            j.first = first, j.second = second, j.answers = true;
            j.fields = fieldSets[std::size_t(row) % fieldSets.size()];
            j.page = {row % 3 == 0 ? Paper::B5 : Paper::A4,
                      row % 7 == 0 && size.size != SheetSize::Large};
          });
          QTest::addRow("column %s %lld..%lld %lld..%lld, %s, %s", kindInfo(kind).name.data(),
                        (long long)first.low, (long long)first.high, (long long)second.low,
                        (long long)second.high, guide.name.data(), size.name.data())
              << job;
          ++row;
        }
    // 百ます: each kind it takes, at each number of cells and size.
    for (const SheetKind kind : {SheetKind::Add, SheetKind::Subtract, SheetKind::Multiply})
      for (const GridCellsInfo &cells : kGridCells)
        for (const SheetSizeInfo &size : kSheetSizes) {
          WorksheetJob job = with(kinds({kind}), [&](auto &j) {
            j.format = SheetFormat::Grid, j.cells = cells.cells, j.size = size.size;
            j.answers = true, j.fields = fieldSets[std::size_t(row) % fieldSets.size()];
            j.page = {row % 2 == 0 && size.size != SheetSize::Large ? Paper::B5 : Paper::A4, false};
            j.kana = row % 3 == 0;
          });
          QTest::addRow("grid %s %s, %s", kindInfo(kind).name.data(), cells.name.data(),
                        size.name.data())
              << job;
          ++row;
        }
    // さくらんぼ: each way of splitting, at each size.
    for (const CherrySplitInfo &split : kCherrySplits)
      for (const SheetSizeInfo &size : kSheetSizes) {
        WorksheetJob job = with(kinds({split.kind}), [&](auto &j) {
          j.format = SheetFormat::Cherry, j.split = split.split, j.size = size.size;
          j.answers = true, j.fields = fieldSets[std::size_t(row) % fieldSets.size()];
          j.fields.numbers = row % 2 == 0;
          j.page = {row % 3 == 0 ? Paper::B5 : Paper::A4, false};
        });
        if (split.split == CherrySplit::Smaller)
          job.kinds.push_back(SheetKind::Subtract);
        QTest::addRow("cherry %s, %s", split.name.data(), size.name.data()) << job;
        ++row;
      }
    // Three numbers, alone as the first grade has them and beside two numbers.
    for (const SheetSizeInfo &size : kSheetSizes)
      for (const SheetKind other : {SheetKind::Three, SheetKind::Add, SheetKind::DivideRemainder}) {
        WorksheetJob job = with(kinds({SheetKind::Three, other}), [&](auto &j) {
          j.size = size.size, j.answers = true, j.count = 30;
          j.fields = fieldSets[std::size_t(row) % fieldSets.size()];
          j.max = other == SheetKind::Three ? 10 : 99;
          j.result = NumberRange{0, other == SheetKind::Three ? 20 : 999};
          j.page.landscape = other == SheetKind::DivideRemainder; // wide at the large size
        });
        QTest::addRow("three numbers and %s, %s", kindInfo(other).name.data(), size.name.data())
            << job;
        ++row;
      }
    int presetRow = 0;
    for (const WorksheetPreset &preset : kWorksheetPresets)
      for (const SheetFields &fields : fieldSets) {
        WorksheetJob job;
        job.preset = &preset;
        job.fields = fields;
        job.answers = true;
        job.title = "";
        job.page.paper = Paper(presetRow++ % int(kPapers.size()));
        QTest::addRow("%s, fields %d%d%d%d", preset.name.data(), fields.name, fields.className,
                      fields.date, fields.score)
            << job;
      }
  }

  // The band alone, for every combination of fields and title on every
  // paper either way up and in every size: boxes and texts apart, labels
  // whole within their boxes and at least 4 mm high, all within the width.
  void theHeaderBandShouldKeepEveryFieldApart() {
    for (const PaperInfo &paper : kPapers)
      for (const bool landscape : {false, true})
        for (const SheetSizeInfo &size : kSheetSizes)
          for (int fields = 0; fields < 16; ++fields)
            for (const char *title :
                 {"", "たしざん", "けいさんの れんしゅう　だい１かい　きょうも がんばろう"}) {
              SheetPlan plan;
              plan.page = {paper.paper, landscape};
              plan.size = size.size;
              plan.kana = fields % 3 == 0;
              plan.count = 100;
              plan.fields = {(fields & 1) != 0, (fields & 2) != 0, (fields & 4) != 0,
                             (fields & 8) != 0, false};
              if (*title)
                plan.title = title;
              const double width = composedArea(plan.page).width;
              const HeaderBand band = layOutBand(plan, lookOf(plan), {false, true, 7, 30}, width);
              std::vector<RectMm> parts;
              for (const BandText &text : band.texts)
                parts.push_back(text.cell);
              for (const BandField &field : band.fields) {
                parts.push_back(field.box);
                for (const BandText &label : field.labels) {
                  QVERIFY(label.cell.left >= field.box.left &&
                          label.cell.right() <= field.box.right());
                  QVERIFY(label.style.points * kMmPerPoint >= 4.0);
                }
              }
              const auto apart = [](const RectMm &a, const RectMm &b) {
                return a.right() <= b.left + 1e-6 || b.right() <= a.left + 1e-6 ||
                       a.bottom() <= b.top + 1e-6 || b.bottom() <= a.top + 1e-6;
              };
              for (std::size_t i = 0; i < parts.size(); ++i) {
                QVERIFY2(parts[i].left >= 0 && parts[i].right() <= width + 1e-6 &&
                             parts[i].bottom() <= band.heightMm + 1e-6,
                         paper.name.data());
                for (std::size_t j = i + 1; j < parts.size(); ++j)
                  QVERIFY2(apart(parts[i], parts[j]),
                           qPrintable(QStringLiteral("%1 %2 %3 fields %4 %5")
                                          .arg(paper.name.data())
                                          .arg(landscape)
                                          .arg(size.name.data())
                                          .arg(fields)
                                          .arg(QString::fromUtf8(title))));
              }
            }
  }

  void everyPageShouldBeComposedCleanly() {
    QFETCH(WorksheetJob, job);
    const ResolvedJob settled = resolved(job);
    RecordingCanvas canvas(kSheetDpi);
    QCOMPARE(printBatch(settled, canvas), BatchOutcome::Printed);
    QVERIFY(canvas.misuses().empty());
    QCOMPARE(int64_t(canvas.documents().size()), batchPages(settled));
    const int pages = int(canvas.documents().size()) / 2;
    for (int d = 0; d < int(canvas.documents().size()) && !QTest::currentTestFailed(); ++d)
      verifyPage(settled, canvas, d % pages, pages, d >= pages);
  }
};

QTEST_APPLESS_MAIN(WorksheetsCoreTest)
#include "worksheets_core_test.moc"
