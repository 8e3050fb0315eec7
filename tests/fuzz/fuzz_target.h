#pragma once
// Every fuzz target defines the libFuzzer entry point; under g++ the replay driver calls it for
// each file of the target's corpus.
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
