#pragma once

#include "refusal.h"
#include "worksheetjob.h"

#include <array>
#include <cstdint>

// The kinds column arithmetic (筆算) takes, as the primary course teaches
// them: the ranges they start from (two-digit numbers, a one-digit
// multiplier or divisor) and the largest second number, a multiplier or a
// divisor having at most two digits. Missing numbers stay inline.
struct ColumnKindInfo {
  SheetKind kind;
  NumberRange first;
  NumberRange second;
  int64_t secondHigh;
};

inline constexpr std::array<ColumnKindInfo, 5> kColumnKinds{{
    {SheetKind::Add, {10, 99}, {10, 99}, kColumnOperandLimits.high},
    {SheetKind::Subtract, {10, 99}, {10, 99}, kColumnOperandLimits.high},
    {SheetKind::Multiply, {10, 99}, {2, 9}, 99},
    {SheetKind::Divide, {10, 99}, {2, 9}, 99},
    {SheetKind::DivideRemainder, {10, 99}, {2, 9}, 99},
}};

// The kind's row, or none for a kind the column form does not take.
[[nodiscard]] inline const ColumnKindInfo *columnKind(SheetKind kind) {
  for (const ColumnKindInfo &info : kColumnKinds)
    if (info.kind == kind)
      return &info;
  return nullptr;
}
