#pragma once

#include "refusal.h"
#include "worksheetjob.h"

#include <array>
#include <cstdint>

// The kinds a sheet format other than inline takes, with the ranges they
// start from and the largest second number.
//
// Column arithmetic (筆算), as the primary course teaches it: two-digit
// numbers, a one-digit multiplier or divisor to start, a multiplier or
// divisor of at most two digits. Missing numbers stay inline.
//
// 百ます: the first numbers down the left (across the top of a 10-cell row),
// the second ones across the top (the corner's fixed number of a 10-cell
// row); a subtraction's minuends are 10 to 19, never below a subtrahend.
//
// さくらんぼ計算, how first graders cross ten: sums of two digits over ten,
// and differences from 11..18 under ten (the cherry kinds' table below).
struct FormatKindInfo {
  SheetFormat format;
  SheetKind kind;
  NumberRange first;
  NumberRange second;
  int64_t secondHigh;
};

inline constexpr std::array<FormatKindInfo, 10> kFormatKinds{{
    {SheetFormat::Column, SheetKind::Add, {10, 99}, {10, 99}, kColumnOperandLimits.high},
    {SheetFormat::Column, SheetKind::Subtract, {10, 99}, {10, 99}, kColumnOperandLimits.high},
    {SheetFormat::Column, SheetKind::Multiply, {10, 99}, {2, 9}, 99},
    {SheetFormat::Column, SheetKind::Divide, {10, 99}, {2, 9}, 99},
    {SheetFormat::Column, SheetKind::DivideRemainder, {10, 99}, {2, 9}, 99},
    {SheetFormat::Grid, SheetKind::Add, {0, 9}, {0, 9}, kOperandLimits.high},
    {SheetFormat::Grid, SheetKind::Subtract, {10, 19}, {0, 9}, kOperandLimits.high},
    {SheetFormat::Grid, SheetKind::Multiply, {0, 9}, {0, 9}, kOperandLimits.high},
    {SheetFormat::Cherry, SheetKind::Add, {2, 9}, {2, 9}, 9},
    {SheetFormat::Cherry, SheetKind::Subtract, {11, 18}, {2, 9}, 9},
}};

// The ranges さくらんぼ keeps to, and the results that cross ten.
struct CherryKindInfo {
  SheetKind kind;
  NumberRange first;
  NumberRange second;
  NumberRange result;
};
inline constexpr std::array<CherryKindInfo, 2> kCherryKinds{{
    {SheetKind::Add, {1, 9}, {1, 9}, {11, 18}},
    {SheetKind::Subtract, {11, 18}, {1, 9}, {0, 9}},
}};

// The kind's row for a format, or none: the format does not take the kind
// (inline takes every kind, from the kinds' own table).
// The kind's row; only the kinds さくらんぼ takes are asked for.
[[nodiscard]] inline const CherryKindInfo &cherryKind(SheetKind kind) {
  for (const CherryKindInfo &info : kCherryKinds)
    if (info.kind == kind)
      return info;
  return kCherryKinds.front();
}

[[nodiscard]] inline const FormatKindInfo *formatKind(SheetFormat format, SheetKind kind) {
  for (const FormatKindInfo &info : kFormatKinds)
    if (info.format == format && info.kind == kind)
      return &info;
  return nullptr;
}
