#pragma once

#include "drillstate.h"
#include "printlayout.h"
#include "problembank.h"

#include <cstdint>

// Everything the program remembers, fixed in size and all zero at start:
// the problem bank, the drill, the worksheet layout and how many problems a
// print run prints. Nothing is allocated per run, problem or printout.
struct NumerikoState {
  ProblemBank bank;
  DrillState drill;
  PrintLayout layout;
  int32_t PrintCount = 0;
};
