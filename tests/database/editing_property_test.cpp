// Random edit sequences on random images: after every step the image is still consistent, a refused step
// changed nothing, and no byte outside the tables and counts moved. Where the editor has a batch form of a
// step (deleting many rows, pasting snapshots, moving rows, deleting a transponder's programs), a twin
// database takes the batch form from the
// same image, clipboard and view, and both must end with the same bytes, results, messages and nodes.
// A failure names its seed and step; VIZUD_EDIT_SEED=<seed> VIZUD_EDIT_STEPS=<n> replays one run (the
// default seed is fixed, so every CI run is reproducible).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
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
    for (const char* form : {"deletePrograms", "deleteInViewMany", "removeListEntries", "pasteSnapshotsBatch",
                             "movePrograms", "moveListEntries", "deleteProgramsOfTransponder", "shownPrograms"})
        EXPECT_TRUE(!failure.empty() || run.compared[form] >= steps / 100) << form << " " << run.compared[form];
}

// Thousands of rows of a full table: the list's Cut of every seventh program, row by row and in one batch.
TEST(EditingBatch, ThousandsOfRowsOfAFullTable) {
    test::DatabaseFixture perRow, batch;
    test::makeImage(perRow.image(), 4, test::fullShape());
    std::memcpy(&batch.image(), &perRow.image(), kImageSize);
    std::vector<int> descending;
    for (int p = kMaxPrograms - 1; p >= 0; p -= 7)
        descending.push_back(p);
    for (auto* fx : {&perRow, &batch})
        fx->state->browse.viewMode = kViewWholeTable | kViewTvAndRadio;
    for (const int p : descending) {
        std::uint32_t mask = 0;
        perRow.db.getFavMembership(p, mask);
        perRow.db.deleteInView(p, mask);
    }
    batch.db.deleteInViewMany(descending);
    EXPECT_EQ(test::firstDifference(perRow.image(), batch.image()), -1);
    EXPECT_EQ(perRow.image().programCount, kMaxPrograms - static_cast<int>(descending.size()));
}

}  // namespace
}  // namespace vizud
