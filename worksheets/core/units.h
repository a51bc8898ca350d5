#pragma once

#include "kindplan.h"
#include "worksheetjob.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>

// The units of the primary course, grades 1 to 4, in the order the
// textbooks teach them: what a teacher looks for (「1年 くりあがりのある
// たしざん」, 「2年 九九 7のだん」), each with the problems it asks and how
// its sheet looks.

// One kind of problem a unit asks, with its ranges and the steps its
// numbers keep to.
struct UnitPart {
  SheetKind kind = SheetKind::Add;
  NumberRange first;
  NumberRange second;
  NumberRange result{0, kNoBound};
  Carry carry = Carry::Any;
  NumberSteps steps;

  [[nodiscard]] constexpr UnitPart carrying(Carry with) const {
    UnitPart part = *this;
    part.carry = with;
    return part;
  }
  [[nodiscard]] constexpr UnitPart stepping(const NumberSteps &by) const {
    UnitPart part = *this;
    part.steps = by;
    return part;
  }
};

[[nodiscard]] constexpr UnitPart part(SheetKind kind, NumberRange first, NumberRange second,
                                      NumberRange result = {0, kNoBound}) {
  UnitPart part;
  part.kind = kind;
  part.first = first;
  part.second = second;
  part.result = result;
  return part;
}

inline constexpr std::size_t kMostParts = 4;

struct UnitInfo {
  int32_t number = 0; // never reused: reprint codes name a unit by it
  std::string_view id;
  int32_t grade = 1;
  std::string_view caption; // Japanese, in kana for the first grade
  std::string_view english;
  std::array<UnitPart, kMostParts> parts{};
  std::size_t partCount = 0;
  SheetFormat format = SheetFormat::Inline;
  GridCells cells = GridCells::Hundred;
  SheetSize size = SheetSize::Medium;
  bool kana = false;
  bool leaveOutTrivial = false;
  bool firstGuessRight = false; // see KindPlan
  int32_t count = 0;            // 0: a page full

  [[nodiscard]] constexpr std::span<const UnitPart> problems() const {
    return {parts.data(), partCount};
  }
  [[nodiscard]] constexpr UnitInfo as(SheetFormat shape) const {
    UnitInfo unit = *this;
    unit.format = shape;
    return unit;
  }
  [[nodiscard]] constexpr UnitInfo gridOf(GridCells grid) const {
    UnitInfo unit = as(SheetFormat::Grid);
    unit.cells = grid;
    return unit;
  }
  [[nodiscard]] constexpr UnitInfo counted(int32_t problems) const {
    UnitInfo unit = *this;
    unit.count = problems;
    return unit;
  }
  [[nodiscard]] constexpr UnitInfo nothingTrivial() const {
    UnitInfo unit = *this;
    unit.leaveOutTrivial = true;
    return unit;
  }
  [[nodiscard]] constexpr UnitInfo guessedRight() const {
    UnitInfo unit = *this;
    unit.firstGuessRight = true;
    return unit;
  }
};

// The first grade's sheets print large, headed in kana.
[[nodiscard]] constexpr UnitInfo unit(int32_t number, std::string_view id, int32_t grade,
                                      std::string_view caption, std::string_view english,
                                      std::initializer_list<UnitPart> parts) {
  UnitInfo unit;
  unit.number = number;
  unit.id = id;
  unit.grade = grade;
  unit.caption = caption;
  unit.english = english;
  for (const UnitPart &part : parts)
    unit.parts[unit.partCount++] = part;
  unit.size = grade == 1 ? SheetSize::Large : SheetSize::Medium;
  unit.kana = grade == 1;
  return unit;
}

namespace unitparts {
using K = SheetKind;
inline constexpr NumberSteps kTens{10, 10, 1};
inline constexpr NumberSteps kHundreds{100, 100, 1};

// 九九 N のだん: N × 1 … N × 9.
[[nodiscard]] constexpr UnitPart kuku(int64_t n) { return part(K::Multiply, {n, n}, {1, 9}); }
} // namespace unitparts

inline constexpr std::array kUnits = [] {
  using namespace unitparts;
  return std::array{
      // The first grade.
      unit(1, "g1-add-10", 1, "たしざん（10まで）", "Addition to 10",
           {part(K::Add, {1, 9}, {1, 9}, {2, 10})}),
      unit(2, "g1-sub-10", 1, "ひきざん（10まで）", "Subtraction from 10",
           {part(K::Subtract, {2, 10}, {1, 9}, {1, 9})}),
      unit(3, "g1-add-teens", 1, "20までのたしざん（くりあがりなし）",
           "Addition to 20 without carrying",
           {part(K::Add, {10, 19}, {1, 9}, {11, 19}).carrying(Carry::Without)}),
      unit(4, "g1-sub-teens", 1, "20までのひきざん（くりさがりなし）",
           "Subtraction within 20 without borrowing",
           {part(K::Subtract, {11, 19}, {1, 9}, {10, 18}).carrying(Carry::Without)}),
      unit(5, "g1-three", 1, "3つのかずのけいさん", "Three numbers",
           {part(K::Three, {1, 10}, {1, 9}, {1, 10})})
          .nothingTrivial(),
      unit(6, "g1-add-carry", 1, "くりあがりのあるたしざん", "Addition with carrying",
           {part(K::Add, {2, 9}, {2, 9}, {11, 18})}),
      unit(7, "g1-sub-borrow", 1, "くりさがりのあるひきざん", "Subtraction with borrowing",
           {part(K::Subtract, {11, 18}, {2, 9}, {2, 9}).carrying(Carry::With)}),
      unit(8, "g1-cherry-add", 1, "くりあがりのあるたしざん（さくらんぼ）",
           "Addition with carrying, cherry method", {part(K::Add, {2, 9}, {2, 9}, {11, 18})})
          .as(SheetFormat::Cherry),
      unit(9, "g1-cherry-sub", 1, "くりさがりのあるひきざん（さくらんぼ）",
           "Subtraction with borrowing, cherry method",
           {part(K::Subtract, {11, 18}, {2, 9}, {2, 9})})
          .as(SheetFormat::Cherry),
      unit(10, "g1-grid-add10", 1, "10ますけいさん（たしざん）", "Ten-cell addition",
           {part(K::Add, {0, 9}, {1, 9})})
          .gridOf(GridCells::Ten),
      // 20 ＋ 30, 50 － 20, 30 ＋ 4, 34 － 4.
      unit(11, "g1-tens", 1, "なんじゅうのけいさん", "Tens",
           {part(K::Add, {10, 90}, {10, 90}, {20, 100}).stepping(kTens),
            part(K::Subtract, {20, 100}, {10, 90}, {10, 90}).stepping(kTens),
            part(K::Add, {10, 90}, {1, 9}).stepping({10, 1, 1}),
            part(K::Subtract, {11, 99}, {1, 9}, {10, 90}).stepping({1, 1, 10})}),

      // The second grade.
      unit(12, "g2-add-col", 2, "2けたのたし算の筆算", "Two-digit column addition",
           {part(K::Add, {10, 99}, {10, 99}, {20, 99})})
          .as(SheetFormat::Column),
      unit(13, "g2-sub-col", 2, "2けたのひき算の筆算", "Two-digit column subtraction",
           {part(K::Subtract, {20, 99}, {10, 99}, {1, 89})})
          .as(SheetFormat::Column),
      unit(14, "g2-add-col-100", 2, "たし算の筆算（百をこえる）", "Column addition past 100",
           {part(K::Add, {10, 99}, {10, 99}, {100, 198})})
          .as(SheetFormat::Column),
      unit(15, "g2-sub-col-100", 2, "ひき算の筆算（百からひく）", "Column subtraction from 100s",
           {part(K::Subtract, {100, 198}, {10, 99}, {1, 99})})
          .as(SheetFormat::Column),
      unit(16, "g2-hundreds", 2, "何百のたし算・ひき算", "Adding and subtracting hundreds",
           {part(K::Add, {100, 900}, {100, 900}, {200, 1000}).stepping(kHundreds),
            part(K::Subtract, {200, 1000}, {100, 900}, {100, 900}).stepping(kHundreds)}),
      // 九九 by 段, in the textbooks' order: 5, 2, 3, 4, then 6 to 9, and 1.
      unit(17, "g2-kuku-5", 2, "九九（5のだん）", "Times table: 5s", {kuku(5)}).counted(18),
      unit(18, "g2-kuku-2", 2, "九九（2のだん）", "Times table: 2s", {kuku(2)}).counted(18),
      unit(19, "g2-kuku-3", 2, "九九（3のだん）", "Times table: 3s", {kuku(3)}).counted(18),
      unit(20, "g2-kuku-4", 2, "九九（4のだん）", "Times table: 4s", {kuku(4)}).counted(18),
      unit(21, "g2-kuku-6", 2, "九九（6のだん）", "Times table: 6s", {kuku(6)}).counted(18),
      unit(22, "g2-kuku-7", 2, "九九（7のだん）", "Times table: 7s", {kuku(7)}).counted(18),
      unit(23, "g2-kuku-8", 2, "九九（8のだん）", "Times table: 8s", {kuku(8)}).counted(18),
      unit(24, "g2-kuku-9", 2, "九九（9のだん）", "Times table: 9s", {kuku(9)}).counted(18),
      unit(25, "g2-kuku-1", 2, "九九（1のだん）", "Times table: 1s", {kuku(1)}).counted(18),
      unit(26, "g2-kuku", 2, "九九（ぜんぶ）", "Times tables, all",
           {part(K::Multiply, {1, 9}, {1, 9})}),
      unit(27, "g2-grid-add", 2, "百ます計算（たし算）", "Hundred-cell addition",
           {part(K::Add, {0, 9}, {0, 9})})
          .gridOf(GridCells::Hundred)
          .counted(1),
      unit(28, "g2-grid-sub", 2, "百ます計算（ひき算）", "Hundred-cell subtraction",
           {part(K::Subtract, {10, 19}, {0, 9})})
          .gridOf(GridCells::Hundred)
          .counted(1),
      unit(29, "g2-grid-mul", 2, "百ます計算（かけ算）", "Hundred-cell multiplication",
           {part(K::Multiply, {0, 9}, {0, 9})})
          .gridOf(GridCells::Hundred)
          .counted(1),

      // The third grade.
      unit(30, "g3-div", 3, "わり算", "Division", {part(K::Divide, {2, 81}, {2, 9}, {1, 9})}),
      unit(31, "g3-add-col", 3, "3けた・4けたのたし算の筆算",
           "Three- and four-digit column addition",
           {part(K::Add, {100, 9999}, {100, 9999}, {200, 9999})})
          .as(SheetFormat::Column),
      unit(32, "g3-sub-col", 3, "3けた・4けたのひき算の筆算",
           "Three- and four-digit column subtraction",
           {part(K::Subtract, {100, 9999}, {10, 9999}, {1, 9999})})
          .as(SheetFormat::Column),
      unit(33, "g3-div-rem", 3, "あまりのあるわり算", "Division with remainders",
           {part(K::DivideRemainder, {3, 89}, {2, 9}, {1, 9})}),
      unit(34, "g3-mul-col-1", 3, "かけ算の筆算（2・3けた×1けた）",
           "Column multiplication by one digit", {part(K::Multiply, {10, 999}, {2, 9})})
          .as(SheetFormat::Column),
      // 60 ÷ 3, 69 ÷ 3: every place divides on its own.
      unit(35, "g3-div-tens", 3, "2けたのわり算（60÷3、69÷3）", "Dividing tens and ones",
           {part(K::Divide, {20, 99}, {2, 9}, {10, 49}).carrying(Carry::Without)}),
      // 20 × 3, 4 × 30.
      unit(36, "g3-mul-tens", 3, "何十をかけるかけ算", "Multiplying by tens",
           {part(K::Multiply, {10, 90}, {2, 9}).stepping({10, 1, 1}),
            part(K::Multiply, {2, 9}, {10, 90}).stepping({1, 10, 1})}),
      unit(37, "g3-mul-col-2", 3, "かけ算の筆算（2・3けた×2けた）",
           "Column multiplication by two digits", {part(K::Multiply, {10, 999}, {11, 99})})
          .as(SheetFormat::Column),

      // The fourth grade.
      // 80 ÷ 20, 600 ÷ 3.
      unit(38, "g4-div-tens", 4, "何十・何百のわり算", "Dividing tens and hundreds",
           {part(K::Divide, {20, 810}, {20, 90}, {2, 9}).stepping({10, 10, 1}),
            part(K::Divide, {200, 900}, {2, 9}, {100, 400}).stepping({100, 1, 100})}),
      unit(39, "g4-div-col-1", 4, "わり算の筆算（2・3けた÷1けた）", "Long division by one digit",
           {part(K::Divide, {10, 999}, {2, 9}, {1, 499}),
            part(K::DivideRemainder, {10, 999}, {2, 9}, {1, 499})})
          .as(SheetFormat::Column),
      unit(40, "g4-div-col-2", 4, "わり算の筆算（2・3けた÷2けた）", "Long division by two digits",
           {part(K::Divide, {22, 999}, {11, 99}, {1, 90}),
            part(K::DivideRemainder, {22, 999}, {11, 99}, {1, 90})})
          .as(SheetFormat::Column)
          .guessedRight(),
      unit(41, "g4-div-col-2-fix", 4, "わり算の筆算（2けたでわる・仮商の修正あり）",
           "Long division by two digits, correcting the first guess",
           {part(K::Divide, {22, 999}, {11, 99}, {1, 90}),
            part(K::DivideRemainder, {22, 999}, {11, 99}, {1, 90})})
          .as(SheetFormat::Column),
  };
}();

// A unit by its id, or none.
[[nodiscard]] const UnitInfo *unitNamed(std::string_view id);
// A unit by the number reprint codes give it, or none.
[[nodiscard]] const UnitInfo *unitNumbered(int32_t number);

// The units a sheet of `unit` reviews: the ones before it in its grade set
// out the same way (two numbers to a line with two), or for the first of its
// grade so set out, the previous grade's. 百ます has no review: a sheet holds
// a grid or two.
[[nodiscard]] std::vector<const UnitInfo *> reviewedBy(const UnitInfo &unit);
