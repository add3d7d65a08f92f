// The random edit run (edit_run.h) from a fixed seed, the edit history's one check of every kind of edit;
// a failure names its seed and step, and VIZUD_EDIT_SEED=<seed> VIZUD_EDIT_STEPS=<n> replays one run.
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
    test::EditRun run(choices, "seed " + std::to_string(seed));
    const std::string failure = run.steps(steps);
    EXPECT_EQ(failure, "") << "replay with VIZUD_EDIT_SEED=" << seed;
    for (const char* form :
         {"deletePrograms", "deleteInViewMany", "removeListEntries", "pasteSnapshotsBatch", "movePrograms",
          "moveListEntries", "deleteProgramsOfTransponder", "shownPrograms", "undo", "redo", "absorb", "copy"})
        EXPECT_TRUE(!failure.empty() || run.compared[form] >= steps / 100) << form << " " << run.compared[form];
}

}  // namespace
}  // namespace vizud
