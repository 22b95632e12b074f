#pragma once
// How much reasoning a problem with one solution needs (see reasoning.h
// for the layers):
//   1 やさしい    the local rules settle every cell and segment
//   2 ふつう      one-step trials are needed as well
//   3 むずかしい  the one-loop argument over regions or deeper trials
//   4 難問        nothing short of a search settles it
// The grade is the cheapest layer whose reasoning, with those below it,
// settles the board; it is the same on every run.
//
//     const int grade = GradePuzzle(puzzle);  // 0: no solution or several

#include <atomic>
#include <cstdint>
#include <vector>

#include "model/board.h"
#include "solve/puzzle.h"
#include "solve/solver.h"

inline constexpr int kGradeMin = 1;
inline constexpr int kGradeMax = 4;

// The grade's name as the window shows it (UTF-8); "" out of range.
const char* GradeName(int grade);

struct TGradeResult {
    int Solutions = 0;  // 0, 1, or 2 for two or more
    int Grade = 0;      // 1..4 with one solution, else 0
    bool Complete = true;  // false when cancelled before an answer
    TSolution Solution;    // the one solution
};

// Counts the solutions (up to two) and grades a problem with one. Reasoning
// answers most problems without a search; the search runs only where it
// leaves the board open, and stops early when cancel is set.
TGradeResult GradeProblem(const TPuzzle& puzzle, const std::atomic<bool>* cancel = nullptr);
int GradePuzzle(const TPuzzle& puzzle);
// The grade of a problem already shown to have exactly one solution (by a
// count of the solutions): the reasoning alone tells it, with no second
// search where it leaves the board open (grade 4).
int GradeOfUnique(const TPuzzle& puzzle);

// What the simplest reasoning decides next from a position: its facts
// about cells (loop or green) and segments (drawn or ruled out), at their
// places on the doubled grid.
enum class TFactValue : uint8_t { Loop, Green, Segment, NoSegment };

struct TFact {
    TGridPos At;  // a cell (2i-1, 2j-1) or the edge between two cells
    TFactValue Value = TFactValue::Loop;
};

struct TNextFacts {
    int Layer = 0;  // the layer that decided them; 0 none; -1 the position contradicts the clues
    std::vector<TFact> Facts;
};

TNextFacts NextFacts(const TPuzzle& puzzle, const std::vector<TFact>& position, int maxLayer = 3);
