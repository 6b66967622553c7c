#pragma once
// The fuzzed readers, one entry each: every reader of outside input is run on arbitrary bytes.
// The fuzz targets and the regression test (which replays the seed corpus and every input a
// fuzzer once found) call the same entries. An entry returns FALSE when a property that must
// hold for any input does not (a table that is not well formed, a round trip that changes).
#include <cstddef>
#include <cstdint>

struct TmvFuzzEntry {
    const char* Name; // the folder of its corpus and regression cases
    bool (*Run)(const uint8_t* data, size_t size);
};

// Every entry, by name.
const TmvFuzzEntry* FuzzEntries(int* count);
const TmvFuzzEntry* FindFuzzEntry(const char* name);

// The offscreen application and the dialog fonts the entries need; once per process.
void InitFuzzApplication();
