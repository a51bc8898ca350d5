#include "drilltimers.h"

namespace {

int32_t wrappingIncrement(int32_t value) {
  return static_cast<int32_t>(static_cast<uint32_t>(value) + 1u);
}

} // namespace

bool feedbackTick(DrillState &state) {
  if (state.FeedbackShown == 1)
    state.FeedbackTicks = wrappingIncrement(state.FeedbackTicks);
  if (state.FeedbackTicks <= 5)
    return false;
  state.FeedbackShown = 0;
  state.FeedbackTicks = 0;
  return true;
}

void startHint(DrillState &state, int32_t right) {
  state.HintRemaining = right;
  state.HintAnimating = 1;
  state.HintStep = 0;
}

int32_t hintTick(DrillState &state) {
  if (state.HintAnimating != 1)
    return 0;
  if (state.HintRemaining <= 0) {
    state.HintAnimating = 0;
    return 0;
  }
  --state.HintRemaining;
  state.HintStep = wrappingIncrement(state.HintStep);
  return state.HintStep >= 1 && state.HintStep <= 9 ? state.HintStep : 0;
}
