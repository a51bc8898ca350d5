#pragma once

#include "worksheetjob.h"

#include <cstdint>
#include <vector>

inline constexpr int64_t kNoBound = int64_t{1} << 40;

// The steps a unit's numbers keep to: 300 ＋ 400 in hundreds, 20 × 3 in tens.
struct NumberSteps {
  int64_t first = 1;
  int64_t second = 1;
  int64_t result = 1;
  friend bool operator==(const NumberSteps &, const NumberSteps &) = default;
};

// One kind of problem with its ranges settled.
struct KindPlan {
  SheetKind kind = SheetKind::Add;
  NumberRange first;
  NumberRange second;
  NumberRange result; // 0..kNoBound when the user set none
  Carry carry = Carry::Any;
  SheetFormat format = SheetFormat::Inline; // column form leaves out some products
  bool leaveOutTrivial = false;
  std::vector<SignPair> signs; // of three numbers; the second range bounds the second and third
  NumberSteps steps;
  // Long division by two digits: only problems where the divisor seen as its
  // tens (何十とみて) gives every quotient digit at the first try (no 仮商修正).
  bool firstGuessRight = false;
  // The count is shared out over groups (a kind, or a unit with its parts),
  // and a group's share over its plans; review groups share the review's.
  int32_t group = 0;
  bool review = false;
  friend bool operator==(const KindPlan &, const KindPlan &) = default;
};
