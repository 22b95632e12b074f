// libFuzzer target: any bytes as the clues of a board of at most 10 x 10.
#include "checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CheckSolver(data, size);
    return 0;
}
