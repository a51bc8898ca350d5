#pragma once

#include "worksheetjob.h"

#include <cstdint>
#include <vector>

inline constexpr int64_t kNoBound = int64_t{1} << 40;

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
  friend bool operator==(const KindPlan &, const KindPlan &) = default;
};
