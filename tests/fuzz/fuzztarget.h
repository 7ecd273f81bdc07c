#pragma once

#include <cstddef>
#include <cstdint>

// A fuzz target: a function from any bytes that must neither crash, hang, leak nor grow beyond
// what its input justifies. Each target is built two ways: alone into a libFuzzer binary
// (scripts/fuzz.sh), and into the replay test, which runs every input kept under
// tests/fuzz/corpus/<target>/ through the normal build.
#ifdef SOLVARA_FUZZ_REPLAY

namespace fuzzreplay {
using Target = int (*)(const uint8_t *, size_t);
// Registers a target under its name; called by SOLVARA_FUZZ_TARGET at start-up.
bool add(const char *name, Target target);
} // namespace fuzzreplay

#define SOLVARA_FUZZ_TARGET(name)                                                        \
    static int fuzz_##name(const uint8_t *data, size_t size);                           \
    [[maybe_unused]] static const bool registered_##name = fuzzreplay::add(#name, fuzz_##name); \
    static int fuzz_##name(const uint8_t *data, size_t size)

#else

#define SOLVARA_FUZZ_TARGET(name) extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)

#endif

// A property that every input must keep; a broken one stops the run like a crash, so the fuzzer
// keeps the input.
#define FUZZ_REQUIRE(condition)                                                                       \
    do {                                                                                              \
        if (!(condition))                                                                             \
            fuzzfailure::stop(#condition, __FILE__, __LINE__);                                         \
    } while (false)

namespace fuzzfailure {
[[noreturn]] void stop(const char *condition, const char *file, int line);
}
