#pragma once
// Composes new problems with exactly one solution.
//
// It grows a random loop, makes the cells left over green (or clue cells
// where two would touch), aims every clue along a line whose green count
// fits the number range, and then, as long as the solver finds a second
// solution, adds or re-aims a clue that the second solution breaks. The same
// options and seed give the same problem.
//
//     TGenerateOptions options;
//     options.Rows = 17; options.Cols = 17; options.Seed = 42;
//     TGenerateResult r = GeneratePuzzle(options);
//     if (r.Ok) ... r.Puzzle, r.Solution

#include <cstdint>

#include "solve/puzzle.h"
#include "solve/solver.h"

struct TGenerateOptions {
    int Rows = 10;
    int Cols = 10;
    uint64_t Seed = 1;
    int MaxNumber = 9;      // clue numbers stay within 0..MaxNumber
    int ClueCount = 0;      // exact number of clue cells wanted; 0: any
    bool AllArrows = false; // use each of the four arrows at least once
    int MaxAttempts = 200;  // fresh loops tried before giving up
    int GreenPercent = 20;  // share of cells off the loop before clues are set
    bool Thorough = false;  // work harder at leaving clues out (slower)
};

struct TGenerateResult {
    bool Ok = false;
    TPuzzle Puzzle;
    TSolution Solution;  // the one solution
    int Attempts = 0;    // loops tried
    int Solves = 0;      // solver runs it took
};

// Needs a board of at least 2 x 2 (no loop fits a narrower one).
TGenerateResult GeneratePuzzle(const TGenerateOptions& options);
