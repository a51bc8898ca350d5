#pragma once

#include "problembank.h"

// The generators fill the bank. Each of the first four zeroes Left, Right,
// Result and Remainder of slots 1..500 before writing; none touches Mark.

// Clears slots 1..500 only; ProblemCount becomes 0.
void clearGeneratedSlots(ProblemBank &bank);

// The 55 subtractions with a minuend of at most 9; ProblemCount becomes 56,
// one past the last record, so the cleared slot 56 (0 - 0 = 0) rides along.
void generateSubtractionSet(ProblemBank &bank);

// Divisors 2..9, quotients 1..9, every non-zero remainder: 324 records.
void generateDivisionWithRemainder(ProblemBank &bank);

// The 81 facts of the times table, twice in the same order: 162 records.
void generateDivisionWithoutRemainder(ProblemBank &bank);

// The fixed set of 100 hard divisions into HardProblemTable; ProblemCount 100.
void generateHardDivisionSet(ProblemBank &bank);

// The 81 multiplications of the times table, factors 1..9, each once:
// Left x Right = Result. ProblemCount becomes 81.
void generateTimesTable(ProblemBank &bank);
