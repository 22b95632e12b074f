// libFuzzer target: any bytes as a file opened in play mode.
#include "checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CheckGameFile(data, size);
    return 0;
}
