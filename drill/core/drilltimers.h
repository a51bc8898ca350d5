#pragma once

#include "drillstate.h"

#include <cstdint>

// The right-answer feedback and the hint animation, tick by tick.

// Counts a feedback tick; returns true at the sixth, when the feedback ends
// (its fields are then cleared).
[[nodiscard]] bool feedbackTick(DrillState &state);

// Starts taking `right` tiles away from the bottom.
void startHint(DrillState &state, int32_t right);

// One tick of the hint animation: the number of the tile to take away now
// (1 at the bottom), or 0 when no tile changes.
[[nodiscard]] int32_t hintTick(DrillState &state);
