// Random edit sequences on random images: after every step the image is still consistent, a refused step
// changed nothing, and no byte outside the tables and counts moved. A failure names its seed and step;
// VIZUD_EDIT_SEED=<seed> VIZUD_EDIT_STEPS=<n> replays one run (the
// default seed is fixed, so every CI run is reproducible).
#include <gtest/gtest.h>


#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/database/edit_run.h"

namespace vizud {
namespace {

int envInt(const char* name, int fallback) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::atoi(value) : fallback;
}

TEST(EditingProperty, RandomEditSequencesKeepTheImageConsistent) {
    const auto seed = static_cast<std::uint32_t>(envInt("VIZUD_EDIT_SEED", 20261206));
    const int steps = envInt("VIZUD_EDIT_STEPS", 10000);
    std::printf("editing property test: seed %u, %d steps\n", seed, steps);
    test::SeededChoices choices(seed);
    EXPECT_EQ(test::EditRun(choices, "seed " + std::to_string(seed)).steps(steps), "") << "replay with VIZUD_EDIT_SEED=" << seed;
}

}  // namespace
}  // namespace vizud
