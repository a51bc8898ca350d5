#pragma once

#include "enumtable.h"
#include "refusal.h"
#include "worksheetjob.h"

#include <array>
#include <optional>
#include <string_view>

// What each kind of sheet is: its name on the command line, its caption on
// the sheet, its sign, and the ranges it starts from. Every kind reads
// "first sign second ＝ result"; a division's first number is the dividend,
// its second the divisor and its result the quotient.
struct SheetKindInfo {
  SheetKind kind;
  std::string_view name;
  std::string_view caption;
  std::string_view kanaCaption; // for the first grade
  std::string_view sign;
  NumberRange first;
  NumberRange second;
  std::optional<NumberRange> result; // applies only while no operand range is given
  bool takesCarry;
  bool missingNumber; // the child finds one of the numbers the problem names
};

inline constexpr std::array<SheetKindInfo, 8> kSheetKinds{{
    {SheetKind::Add, "add", "たし算", "たしざん", "＋", {0, 9}, {0, 9}, std::nullopt, true, false},
    {SheetKind::Subtract,
     "subtract",
     "ひき算",
     "ひきざん",
     "－",
     {0, 18},
     {0, 9},
     NumberRange{0, 9},
     true,
     false},
    {SheetKind::Multiply,
     "multiply",
     "かけ算",
     "かけざん",
     "×",
     {1, 9},
     {1, 9},
     std::nullopt,
     false,
     false},
    {SheetKind::MissingFactor,
     "missing-factor",
     "かけ算（□をもとめる）",
     "かけざん（□を もとめる）",
     "×",
     {1, 9},
     {1, 9},
     std::nullopt,
     false,
     true},
    {SheetKind::MissingAddend,
     "missing-addend",
     "たし算（□をもとめる）",
     "たしざん（□を もとめる）",
     "＋",
     {0, 9},
     {0, 9},
     std::nullopt,
     true,
     true},
    {SheetKind::Divide,
     "divide",
     "わり算",
     "わりざん",
     "÷",
     {0, 81},
     {1, 9},
     NumberRange{1, 9},
     false,
     false},
    {SheetKind::DivideRemainder,
     "divide-remainder",
     "あまりのあるわり算",
     "あまりの ある わりざん",
     "÷",
     {0, 89},
     {2, 9},
     NumberRange{1, 9},
     false,
     false},
    // The first grade's 5 ＋ 3 ＋ 2 and 10 － 4 － 3: the second range bounds the
    // second and third numbers, and the result bounds every step.
    {SheetKind::Three,
     "three",
     "3つの数の計算",
     "3つの かずの けいさん",
     "＋",
     {0, 10},
     {0, 10},
     NumberRange{0, 10},
     false,
     false},
}};

static_assert(inEnumOrder(kSheetKinds, [](const SheetKindInfo &k) { return k.kind; }));

// A three-number problem's signs, named on the command line by words or by
// the signs themselves ("add-subtract" or "+-").
struct SignPairInfo {
  SignPair pair;
  std::string_view name;
  std::string_view symbols;
  bool firstAdds;
  bool secondAdds;
};
inline constexpr std::array<SignPairInfo, 4> kSignPairs{{
    {SignPair::AddAdd, "add-add", "++", true, true},
    {SignPair::SubtractSubtract, "subtract-subtract", "--", false, false},
    {SignPair::AddSubtract, "add-subtract", "+-", true, false},
    {SignPair::SubtractAdd, "subtract-add", "-+", false, true},
}};
static_assert(inEnumOrder(kSignPairs, [](const SignPairInfo &p) { return p.pair; }));

// Numbers of three-number problems keep to two digits: 5 ＋ 3 ＋ 2 in the
// first grade, 36 ＋ (8 ＋ 2) in the second.
inline constexpr Limits kThreeOperandLimits{0, 99};

[[nodiscard]] const SheetKindInfo &kindInfo(SheetKind kind);
[[nodiscard]] std::optional<SheetKind> kindNamed(std::string_view name);
[[nodiscard]] const SignPairInfo &signPairInfo(SignPair pair);
// A sign pair by its name or its signs.
[[nodiscard]] std::optional<SignPair> signPairNamed(std::string_view name);
// The sign a three-number problem prints, 「＋」 or 「－」.
[[nodiscard]] std::string_view signText(bool adds);
