#pragma once

#include "problembank.h"
#include "randomsource.h"

#include <cstdint>

// Setting up the problems of a practice run.

// Repeats the block in slots 1..ProblemCount as 120 div ProblemCount copies,
// each shuffled afresh, built in the staging area and copied back to slot 1
// on; ProblemCount becomes the number of records repeated. Whole records,
// marks included, travel with the copies.
void repeatShuffledBlock(ProblemBank &bank, RandomSource &random);

// The run length of the items of "もんだいの数": 10, 20, 50 or 100 problems.
[[nodiscard]] int32_t runLengthForItem(int item);

// Clears the drill marks of slots 1..runLength.
void clearRunMarks(ProblemBank &bank, int32_t runLength);

// Copies the number fields of the hard set into slots 1..100 of the main
// table, leaving the marks there alone.
void copyHardSetIntoProblemTable(ProblemBank &bank);
