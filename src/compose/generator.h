#pragma once
// Composes new problems with exactly one solution and a given grade (see
// solve/grade.h).
//
// It grows a random loop, makes the cells left over green (or clue cells
// where two would touch) until the reasoning of the grade finds the loop
// through the rest, turns greens into clues until the local rules decide
// every cell, and then turns clues back into greens wherever the reasoning
// of the grade still settles the board without them. A problem settled by
// reasoning has one solution. For grade 4 it goes on taking clues away as
// long as a search proves the solution the only one. The same options and
// seed give the same problem.
//
//     TGenerateOptions options;
//     options.Rows = 17; options.Cols = 17; options.Seed = 42; options.Grade = 3;
//     TGenerateResult r = GeneratePuzzle(options);
//     if (r.Ok) ... r.Puzzle, r.Solution

#include <atomic>
#include <cstdint>

#include "solve/puzzle.h"
#include "solve/solver.h"

struct TGenerateOptions {
    int Rows = 10;
    int Cols = 10;
    uint64_t Seed = 1;
    int Grade = 2;          // 1..4
    int MaxNumber = 9;      // clue numbers stay within 0..MaxNumber
    int MaxAttempts = 200;  // fresh loops tried before giving up
    int GreenPercent = 20;  // share of cells off the loop before clues are set
    // Threads that share the checks out (on small boards at grades 3 and 4,
    // the loops tried): 0 for as many as the machine has cores (up to
    // four). The problem is the same for any number.
    int Workers = 0;
    // Set from another thread to true: gives up soon after (Ok false).
    const std::atomic<bool>* Cancel = nullptr;
};

struct TGenerateResult {
    bool Ok = false;
    TPuzzle Puzzle;
    TSolution Solution;  // the one solution
    int Grade = 0;
    int Attempts = 0;    // loops tried
    int Checks = 0;      // reasoning or search runs it took
};

// Needs a board of at least 2 x 2 (no loop fits a narrower one).
TGenerateResult GeneratePuzzle(const TGenerateOptions& options);
