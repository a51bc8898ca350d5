#include "headerband.h"

#include <algorithm>

namespace {

constexpr double kNameRoomMm = 45.0; // for a child's name in big letters
constexpr double kRowGapMm = 2.0;    // between the band's rows
constexpr double kLabelPaddingMm = 2.0;

std::string sheetNumberText(int32_t number) { return "No." + std::to_string(number); }

// A field before it is placed: its parts from left to right, each a room to
// write in or a label.
struct FieldPart {
  double roomMm = 0; // writing room before the label
  std::string label;
};

struct FieldPlan {
  std::vector<FieldPart> parts;
  double trailingRoomMm = 0; // writing room after the last label
  bool grows = false;        // takes what its row leaves over
};

double naturalWidth(const FieldPlan &field, const TextStyle &label) {
  double width = kLabelPaddingMm * 2 + field.trailingRoomMm;
  for (const FieldPart &part : field.parts)
    width += part.roomMm + textWidthMm(label, part.label);
  return width;
}

std::vector<FieldPlan> fieldPlans(const SheetPlan &plan, const SheetLook &look, bool withName) {
  const bool kana = look.kana;
  const double room = look.size->writingMm;
  std::vector<FieldPlan> fields;
  if (withName && plan.fields.name)
    fields.push_back({{{0, std::string(wordIn(Word::Name, kana))}}, kNameRoomMm, true});
  if (plan.fields.className)
    fields.push_back({{{room, std::string(wordIn(Word::Year, kana))},
                       {room, std::string(wordIn(Word::Group, kana))},
                       {room, std::string(wordIn(Word::Seat, kana))}},
                      0,
                      false});
  if (plan.fields.date)
    fields.push_back({{{room, std::string(wordIn(Word::Month, kana))},
                       {room, std::string(wordIn(Word::Day, kana))}},
                      0,
                      false});
  if (plan.fields.score)
    fields.push_back({{{room * 1.6, "／" + std::to_string(plan.count)}}, 0, false});
  // 百ます is done against the clock: the time it took.
  if (plan.format == SheetFormat::Grid)
    fields.push_back({{{room, std::string(wordIn(Word::Minutes, kana))},
                       {room, std::string(wordIn(Word::Seconds, kana))}},
                      0,
                      false});
  return fields;
}

// The longest start of `text` (whole UTF-8 characters, at least one) that
// fits `width`, broken after a space or 「・」 where it has one, so that
// words stay whole.
std::size_t fittingPrefix(const TextStyle &style, std::string_view text, double width) {
  std::size_t end = 0;
  for (std::size_t next = 1; next <= text.size(); ++next) {
    if (next < text.size() && (static_cast<unsigned char>(text[next]) & 0xC0) == 0x80)
      continue;
    if (end > 0 && textWidthMm(style, text.substr(0, next)) > width)
      break;
    end = next;
  }
  if (end == text.size())
    return end;
  std::size_t lastBreak = 0;
  for (const std::string_view mark : {"　", "・", " "}) {
    const std::size_t at = text.substr(0, end).rfind(mark);
    if (at != std::string_view::npos && at > 0)
      lastBreak = std::max(lastBreak, at + mark.size());
  }
  return lastBreak > 0 ? lastBreak : end;
}

// The title's style: its size, or smaller down to the labels' when that
// lets it fit its room on one line.
TextStyle titleStyle(const SheetLook &look, std::string_view title, double room) {
  TextStyle style = look.title;
  while (style.points > look.label.points && textWidthMm(style, title) > room)
    --style.points;
  return style;
}

BandField fieldOf(const FieldPlan &plan, const SheetLook &look, double width) {
  BandField field;
  field.box = {0, 0, width, look.size->fieldHeightMm};
  double x = kLabelPaddingMm;
  for (const FieldPart &part : plan.parts) {
    x += part.roomMm;
    const double labelWidth = textWidthMm(look.label, part.label);
    field.labels.push_back({{x, 0, labelWidth, cellHeightMm(look.label)}, part.label, look.label});
    x += labelWidth;
  }
  return field;
}

// A row of the band: texts and fields from left to right, up to its right end.
struct Element {
  bool field = false;
  std::size_t index = 0; // into the band's texts or fields
  double width = 0;
  bool grows = false;
};

struct Row {
  std::vector<Element> elements;
  double right = 0;
};

class RowFlow {
public:
  RowFlow(double firstRowRight, double width, double gap) : width_(width), gap_(gap) {
    rows_.push_back({{}, firstRowRight});
  }

  // The room left on the last row for one more element.
  [[nodiscard]] double room() const {
    const Row &row = rows_.back();
    double used = 0;
    for (const Element &element : row.elements)
      used += element.width + gap_;
    return row.right - used;
  }
  [[nodiscard]] bool rowEmpty() const { return rows_.back().elements.empty(); }
  void newRow() { rows_.push_back({{}, width_}); }
  // On the last row, or on a new one when it does not fit there.
  void place(Element element) {
    if (!rowEmpty() && element.width > room())
      newRow();
    element.width = std::min(element.width, rows_.back().right);
    rows_.back().elements.push_back(element);
  }
  [[nodiscard]] const std::vector<Row> &rows() const { return rows_; }

private:
  std::vector<Row> rows_;
  double width_;
  double gap_;
};

double heightOf(const Element &element, const HeaderBand &band) {
  return element.field ? band.fields[element.index].box.height
                       : band.texts[element.index].cell.height;
}

// Sets every element's place: rows one under the other, each element centred
// on its row, a growing field given what its row leaves over.
double arrange(const RowFlow &flow, HeaderBand &band, double gap, double firstRowHeight) {
  double top = 0;
  for (std::size_t r = 0; r < flow.rows().size(); ++r) {
    const Row &row = flow.rows()[r];
    double height = r == 0 ? firstRowHeight : 0;
    double used = 0;
    for (const Element &element : row.elements) {
      height = std::max(height, heightOf(element, band));
      used += element.width + gap;
    }
    const double spare = std::max(0.0, row.right - (used - gap));
    double x = 0;
    for (const Element &element : row.elements) {
      const double width = element.width + (element.grows ? spare : 0);
      const double elementTop = top + (height - heightOf(element, band)) / 2;
      if (element.field) {
        BandField &field = band.fields[element.index];
        field.box.left = x;
        field.box.top = elementTop;
        field.box.width = width;
        for (BandText &label : field.labels) {
          label.cell.left += x;
          label.cell.top = elementTop + (field.box.height - label.cell.height) / 2;
        }
      } else {
        band.texts[element.index].cell.left = x;
        band.texts[element.index].cell.top = elementTop;
      }
      x += width + gap;
    }
    top += height + (r + 1 < flow.rows().size() ? kRowGapMm : 0);
  }
  return top;
}

} // namespace

HeaderBand layOutBand(const SheetPlan &plan, const SheetLook &look, BandContent content,
                      double widthMm) {
  HeaderBand band;
  const double numberWidth = textWidthMm(look.title, sheetNumberText(content.widestNumber));
  RowFlow flow(widthMm - numberWidth - look.gapMm, widthMm, look.gapMm);

  std::string heading = plan.title.value_or("");
  if (content.answers)
    heading += (heading.empty() ? "" : "　") + std::string(wordIn(Word::Answers, look.kana));
  const TextStyle style = titleStyle(look, heading, flow.room());
  for (std::string_view rest = heading; !rest.empty();) {
    if (!flow.rowEmpty())
      flow.newRow();
    const std::size_t line = fittingPrefix(style, rest, flow.room());
    const std::string text(rest.substr(0, line));
    band.texts.push_back({{0, 0, textWidthMm(style, text), cellHeightMm(style)}, text, style});
    flow.place({false, band.texts.size() - 1, band.texts.back().cell.width, false});
    rest.remove_prefix(line);
  }
  if (!content.answers)
    for (const FieldPlan &field : fieldPlans(plan, look, content.nameField)) {
      const double width = naturalWidth(field, look.label);
      band.fields.push_back(fieldOf(field, look, width));
      flow.place({true, band.fields.size() - 1, width, field.grows});
    }

  // The number stands at the end of the first row, centred on it.
  const double numberHeight = cellHeightMm(look.title);
  band.heightMm = arrange(flow, band, look.gapMm, numberHeight);
  double firstRow = numberHeight;
  for (const Element &element : flow.rows().front().elements)
    firstRow = std::max(firstRow, heightOf(element, band));
  const std::string number = sheetNumberText(content.sheetNumber);
  const double width = textWidthMm(look.title, number);
  band.texts.push_back(
      {{widthMm - width, (firstRow - numberHeight) / 2, width, numberHeight}, number, look.title});
  return band;
}

void drawBand(PageDrawer &drawer, const HeaderBand &band, double topMm, double ruleMm) {
  for (const BandField &field : band.fields) {
    RectMm box = field.box;
    box.top += topMm;
    drawer.box(box, ruleMm, kBlackInk);
    for (const BandText &label : field.labels)
      drawer.text(label.cell.left, label.cell.top + topMm, label.style, label.text);
  }
  for (const BandText &text : band.texts)
    drawer.text(text.cell.left, text.cell.top + topMm, text.style, text.text);
}
