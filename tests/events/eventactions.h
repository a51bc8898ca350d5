#pragma once

#include "eventsource.h"

#include <array>
#include <cstdint>

// The kinds of action the event driver draws, and how often each comes up.
namespace actions {

// What a child, the clock or a hidden control does.
enum class Action {
  FeedbackTick,
  ClockTick,
  HintTick,
  TypeDigit,
  TypeErase,
  TypeOther,
  TypeOtherKey,
  AnswerDigit,
  Solve,
  KeyClick,
  KeyDoubleClick,
  Press,
  Release,
  OtherButtonKeyClick,
  CoverClick,
  VisibleButtonClick,
  RunLengthClick,
  AnywhereClick,
  ProblemNumberClick,
  DivisionRun,
  BankHandler,
  SpinValue,
  SpinText,
  CheckBox,
  LayOut,
  PrinterSetup,
  PrintRun,
  Preset,
  PrinterChange,
};

struct WeightedAction {
  Action action;
  uint32_t weight;
};

// Two children: one tries everything, the other mostly answers and waits, so
// that runs also reach their last problems. Weights are out of 256.
constexpr auto kRestless = std::to_array<WeightedAction>({
    {Action::FeedbackTick, 30},
    {Action::ClockTick, 10},
    {Action::HintTick, 10},
    {Action::TypeDigit, 16},
    {Action::TypeErase, 8},
    {Action::TypeOther, 4},
    {Action::TypeOtherKey, 3},
    {Action::AnswerDigit, 10},
    {Action::Solve, 40},
    {Action::KeyClick, 16},
    {Action::KeyDoubleClick, 4},
    {Action::Press, 6},
    {Action::Release, 6},
    {Action::OtherButtonKeyClick, 3},
    {Action::CoverClick, 3},
    {Action::VisibleButtonClick, 8},
    {Action::RunLengthClick, 3},
    {Action::AnywhereClick, 3},
    {Action::ProblemNumberClick, 1},
    {Action::DivisionRun, 1},
    {Action::BankHandler, 4},
    {Action::SpinValue, 3},
    {Action::SpinText, 1},
    {Action::CheckBox, 2},
    {Action::LayOut, 2},
    {Action::PrinterSetup, 1},
    {Action::PrintRun, 2},
    {Action::Preset, 2},
    {Action::PrinterChange, 2},
});
constexpr auto kDiligent = std::to_array<WeightedAction>({
    {Action::Solve, 160},
    {Action::FeedbackTick, 20},
    {Action::ClockTick, 20},
    {Action::HintTick, 8},
    {Action::TypeDigit, 6},
    {Action::TypeErase, 4},
    {Action::AnswerDigit, 6},
    {Action::KeyClick, 8},
    {Action::KeyDoubleClick, 2},
    {Action::Press, 2},
    {Action::Release, 2},
    {Action::VisibleButtonClick, 2},
    {Action::RunLengthClick, 1},
    {Action::BankHandler, 1},
    {Action::PrintRun, 1},
});

template <std::size_t N>
constexpr uint32_t totalWeight(const std::array<WeightedAction, N> &actions) {
  uint32_t total = 0;
  for (const WeightedAction &weighted : actions)
    total += weighted.weight;
  return total;
}
static_assert(totalWeight(kRestless) <= 256 && totalWeight(kDiligent) <= 256,
              "an action is drawn from one byte");

template <std::size_t N>
inline Action drawKind(EventSource &source, const std::array<WeightedAction, N> &actions) {
  uint32_t choice = source.pick(totalWeight(actions));
  for (const WeightedAction &weighted : actions) {
    if (choice < weighted.weight)
      return weighted.action;
    choice -= weighted.weight;
  }
  return actions.front().action;
}

} // namespace actions
