#pragma once
// The bodies of the fuzz targets: each takes any bytes and aborts with a
// message when the program breaks one of its own promises on them. The
// fuzzers call them under libFuzzer; the regression test calls them on the
// saved inputs of past failures.

#include <cstddef>
#include <cstdint>

// The bytes as a file opened in play mode: read, replayed, checked for
// completion, traced, written, and read and written once more, which must
// give the same bytes.
void CheckGameFile(const uint8_t* data, size_t size);

// The bytes as clues of a board of at most 10 x 10, solved with and without
// a cap and a node limit: every solution must pass the solution check and
// play through the game's rules to a solved board, and the runs must agree.
void CheckSolver(const uint8_t* data, size_t size);
