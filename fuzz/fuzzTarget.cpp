// One libFuzzer target; MAROVEL_FUZZ_ENTRY names the entry it runs. A property that must hold
// for any input and does not is reported as a crash, so the input is kept like any other.
#include "fuzzEntries.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    InitFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const TmvFuzzEntry* entry = FindFuzzEntry(MAROVEL_FUZZ_ENTRY);
    if (!entry->Run(data, size)) __builtin_trap();
    return 0;
}
