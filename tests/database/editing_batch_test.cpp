// The batch forms against the per-row sequences they stand for: on random images with random selections
// (bad rows included), both must leave the same image bytes, results, messages and node fields.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "database/image_access.h"
#include "tests/database/editing_checks.h"
#include "tests/support/database_fixture.h"
#include "tests/support/image_factory.h"

namespace vizud {
namespace {

// A program apart from its table references, which a snapshot paste may resolve to an equal provider or
// transponder elsewhere, and the programs a list names that way.
std::string programContent(const st_program& prog) {
    return nameText(prog.name) + "|" + std::to_string(prog.serviceId) + "|" + std::to_string(prog.videoPid) + "|" +
           std::to_string(prog.audioPid) + "|" + std::to_string(prog.pcrPid) + "|" + std::to_string(prog.programFlags);
}

std::vector<std::string> listContent(const all_tables_block& img, int list) {
    std::vector<std::string> out;
    for (const int e : test::entries(img.favourites[list]))
        out.push_back(programContent(img.programs[e]));
    return out;
}

class BatchAgainstPerRow : public ::testing::Test {
protected:
    int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
    bool chance(int percent) { return uniform(0, 99) < percent; }

    // Both databases get the same image, clipboard and flags. Random images are costly to make; a few
    // dozen per shape family are made once and reused with fresh selections.
    void twinImages(const test::ImageShape& shape, int family = 0) {
        static std::vector<std::unique_ptr<all_tables_block>> made[5];
        std::vector<std::unique_ptr<all_tables_block>>& pool = made[family];
        if (pool.size() < 24)
            pool.push_back(test::makeImage(static_cast<std::uint32_t>(rng()), shape));
        const all_tables_block& source = *pool[static_cast<std::size_t>(uniform(0, static_cast<int>(pool.size()) - 1))];
        if (!perRow) {
            perRow = std::make_unique<test::DatabaseFixture>();
            batch = std::make_unique<test::DatabaseFixture>();
        }
        for (auto* fx : {perRow.get(), batch.get()}) {
            freeSnapshotList(fx->state->programClipboard);
            fx->messages.clear();
            std::memcpy(&fx->image(), &source, kImageSize);
        }
        perRow->state->dragActive = batch->state->dragActive = chance(50) ? 1 : 0;
        ProgramSnapshot** link = &perRow->state->programClipboard;
        for (int i = uniform(0, 6); i > 0; --i) {
            *link = new ProgramSnapshot;
            (*link)->programIndex = uniform(-2, source.programCount + 3);
            link = &(*link)->next;
        }
        batch->state->programClipboard = test::cloneRawList(perRow->state->programClipboard);
    }

    void sameMode() {
        const int kind = uniform(0, 2);
        const std::uint32_t category = 1u << uniform(0, 2);
        for (auto* fx : {perRow.get(), batch.get()}) {
            fx->state->browse.selectedText = kind == 1 ? "Favs" : "Satellites";
            fx->state->browse.viewMode = category | (kind <= 1 ? kViewWholeTable : 1u << (kViewFirstFavouriteBit + 4));
        }
    }

    // Rows as the list passes them: highest first (cut, delete), or the shrinking indices of a drag's
    // collect (s - k), or anything at all, each now and then with rows beyond the table.
    std::vector<int> rows(int count) {
        std::vector<int> picked;
        for (int s = 0; s < count; ++s) {
            if (chance(35))
                picked.push_back(s);
        }
        if (chance(15))
            picked.push_back(count + uniform(0, 3));
        if (chance(10))
            picked.push_back(-1);
        switch (uniform(0, 2)) {
            case 0:
                std::sort(picked.rbegin(), picked.rend());
                break;
            case 1:
                std::sort(picked.begin(), picked.end());
                for (std::size_t k = 0; k < picked.size(); ++k)
                    picked[k] -= static_cast<int>(k);
                break;
            default:
                std::shuffle(picked.begin(), picked.end(), rng);
                break;
        }
        return picked;
    }

    // Snapshots of the given programs (the whole table) or list rows, naming `programIndex` of each; false
    // when one has no satellite.
    bool snapshots(std::uint32_t mode, const std::vector<int>& rows, const std::vector<int>& names,
                   test::SnapshotList& nodes) {
        for (std::size_t k = 0; k < rows.size(); ++k) {
            ProgramSnapshot node;
            if (perRow->db.getProgramSnapshot(mode, rows[k], node) != 0)
                return false;
            node.programIndex = names[k];
            nodes.append(node);
        }
        return true;
    }

    void expectSame(const char* what, int round) {
        SCOPED_TRACE(std::string(what) + " round " + std::to_string(round));
        EXPECT_EQ(test::firstDifference(perRow->image(), batch->image()), -1);
        const ProgramSnapshot* a = perRow->state->programClipboard;
        const ProgramSnapshot* b = batch->state->programClipboard;
        for (; a != nullptr && b != nullptr; a = a->next, b = b->next)
            EXPECT_EQ(a->programIndex, b->programIndex);
        EXPECT_EQ(perRow->messages.texts(), batch->messages.texts());
    }

    std::mt19937 rng{20261206};
    std::unique_ptr<test::DatabaseFixture> perRow;
    std::unique_ptr<test::DatabaseFixture> batch;
};

// deletePrograms, deleteInViewMany and removeListEntries against 551, deleteInView and 553 row by row.
TEST_F(BatchAgainstPerRow, BatchDeletesAreTheSequenceOfSingleDeletes) {
    const char* const names[] = {"deletePrograms", "deleteInViewMany", "removeListEntries"};
    for (int round = 0; round < 700; ++round) {
        const int kind = round < 300 ? 0 : round < 600 ? 1 : 2;
        twinImages(test::randomShape(rng));
        sameMode();
        const int list = uniform(0, 9);
        const bool radio = chance(50);
        const all_tables_block& img = perRow->image();
        const std::vector<int> indices = rows(kind < 2                 ? img.programCount
                                              : list < kFavouriteLists ? img.favourites[list].favCount
                                                                       : 3);
        std::vector<int> expected, results;
        RecordView view;
        view.word[0] = static_cast<std::uint32_t>(list);
        view.word[1] = radio ? 1 : 0;
        for (const int p : indices) {
            std::uint32_t mask = 0;
            perRow->db.getFavMembership(p, mask);
            expected.push_back(kind == 0   ? perRow->db.modifyRecord(kTablePrograms, kOpDelete, p, view)
                               : kind == 1 ? perRow->db.deleteInView(p, mask)
                                           : perRow->db.modifyRecord(kTablePrograms, kOpRemoveListEntry, p, view));
        }
        if (kind == 0)
            batch->db.deletePrograms(indices, &results);
        else if (kind == 1)
            batch->db.deleteInViewMany(indices, &results);
        else
            batch->db.removeListEntries(list, radio, indices, &results);
        EXPECT_EQ(results, expected);
        expectSame(names[kind], round);
    }
}

TEST_F(BatchAgainstPerRow, PasteSnapshotsBatchIsThePerNodePaste) {
    for (int round = 0; round < 400; ++round) {
        test::ImageShape shape = test::randomShape(rng);
        // Tables one or two short of full make the paste stop part-way.
        const int family = uniform(0, 3);
        if (family == 1)
            shape.satellites = uniform(198, 200);
        if (family == 2)
            shape.providers = uniform(398, 400), shape.unusedProviders = 0;
        if (family == 3)
            shape.transponders = uniform(2997, 3000);
        twinImages(shape, family);
        const all_tables_block& img = perRow->image();
        test::SnapshotList ordered;
        for (int i = uniform(0, 12); i > 0; --i) {
            ProgramSnapshot node;
            const int p = img.programCount > 0 ? uniform(0, img.programCount - 1) : -1;
            if (p >= 0)
                perRow->db.getProgramSnapshot(0, p, node);
            node.isTv = p >= 0 && p < img.tvCount ? 1 : 0;
            node.programIndex = uniform(-1, img.programCount + 2);
            if (chance(25))
                node.satId = static_cast<std::uint16_t>(uniform(300, 305));
            if (chance(25))
                std::snprintf(node.providerName, 16, "New %d", uniform(0, 3));
            if (chance(25))
                node.frequency = static_cast<std::uint16_t>(uniform(1000, 1003));
            ordered.append(node);
        }
        ordered.putTvFirst();
        test::SnapshotList twin = ordered.clone();
        const int position = chance(10) ? uniform(-2, img.programCount + 2) : uniform(img.tvCount, img.programCount);
        const std::uint32_t mode = kViewWholeTable | kViewTvAndRadio;
        const int expected = perRow->db.pasteSnapshots(kTablePrograms, -1, position, ordered.head(), mode);
        EXPECT_EQ(batch->db.pasteSnapshotsBatch(kTablePrograms, -1, position, twin.head(), mode), expected)
            << "round " << round;
        expectSame("pasteSnapshotsBatch", round);
        for (std::size_t i = 0; i < ordered.nodes.size(); ++i) {
            const ProgramSnapshot& a = *ordered.nodes[i];
            const ProgramSnapshot& b = *twin.nodes[i];
            EXPECT_EQ(std::vector<int>({int(a.pasted), a.programIndex, a.providerIndex, a.tpIndex}),
                      std::vector<int>({int(b.pasted), b.programIndex, b.providerIndex, b.tpIndex}));
        }
    }
}

// The drop through snapshots: take the programs out with dragActive, renumberAfterDrop, pasteSnapshots.
// Where that gives every moved program back unchanged, movePrograms must leave the same bytes.
TEST_F(BatchAgainstPerRow, MoveProgramsIsTheDragThroughSnapshots) {
    int compared = 0;
    for (int round = 0; round < 300; ++round) {
        twinImages(test::randomShape(rng));
        // The snapshot path writes the two reserved bytes of a program as zero; movePrograms keeps them.
        for (auto* fx : {perRow.get(), batch.get()}) {
            for (st_program& prog : fx->image().programs)
                prog.reserved12[0] = prog.reserved12[1] = 0;
        }
        const auto original = std::make_unique<all_tables_block>(perRow->image());
        const int count = original->programCount;
        const int tv = original->tvCount;
        const bool radio = chance(40);
        std::vector<int> sources;
        for (int p = radio ? tv : 0; p < (radio ? count : tv); ++p) {
            if (chance(30))
                sources.push_back(p);
        }
        const int n = static_cast<int>(sources.size());
        const int low = radio ? tv : 0;
        const int high = radio ? count - n : tv - n;
        if (n == 0 || high < low)
            continue;
        const int position = uniform(low, high);
        test::SnapshotList nodes;
        if (!snapshots(0, sources, sources, nodes))
            continue;
        for (auto* fx : {perRow.get(), batch.get()}) {
            freeSnapshotList(fx->state->programClipboard);
            fx->state->browse.viewMode = kViewWholeTable | kViewTvAndRadio;
        }
        perRow->state->dragActive = 1;
        freeSnapshotList(perRow->state->dragBuffer);
        perRow->state->dragBuffer = test::cloneRawList(nodes.head());
        std::vector<int> deletions;
        for (int k = 0; k < n; ++k)
            deletions.push_back(sources[static_cast<std::size_t>(k)] - k);
        perRow->db.deletePrograms(deletions);
        perRow->db.renumberAfterDrop(position);
        ASSERT_EQ(perRow->db.pasteSnapshots(kTablePrograms, -1, position, perRow->state->dragBuffer, kViewWholeTable),
                  0);
        perRow->state->dragActive = batch->state->dragActive = 0;
        ASSERT_EQ(batch->db.movePrograms(sources, position), 0) << "round " << round;
        // The drag gives every program back at the drop place, each list names what it named, and a
        // consistent image stays consistent.
        for (int k = 0; k < n; ++k) {
            EXPECT_EQ(programContent(perRow->image().programs[position + k]),
                      programContent(original->programs[sources[static_cast<std::size_t>(k)]]));
        }
        for (int l = 0; l < kFavouriteLists; ++l)
            EXPECT_EQ(listContent(perRow->image(), l), listContent(*original, l)) << "round " << round;
        if (test::brokenRule(*original, false).empty()) {
            EXPECT_EQ(test::brokenRule(perRow->image(), false), "") << "round " << round;
        }

        bool unchanged = perRow->image().programCount == count;
        for (int k = 0; k < n && unchanged; ++k) {
            unchanged = std::memcmp(&perRow->image().programs[position + k],
                                    &original->programs[sources[static_cast<std::size_t>(k)]], sizeof(st_program)) == 0;
        }
        if (!unchanged)
            continue;  // a moved program was given the first equal provider or transponder instead of its own
        ++compared;
        expectSame("movePrograms", round);
    }
    EXPECT_GT(compared, 100);
}

// The drop in a favourite list through snapshots: removeListEntries, then pasteSnapshots into the list.
// Where that places every node, moveListEntries must leave the same bytes.
TEST_F(BatchAgainstPerRow, MoveListEntriesIsTheDropThroughSnapshots) {
    int compared = 0;
    for (int round = 0; round < 300; ++round) {
        twinImages(test::randomShape(rng));
        const int list = uniform(0, kFavouriteLists - 1);
        const bool radioView = chance(40);
        const std::uint32_t mode =
            (1u << (kViewFirstFavouriteBit + list)) | (radioView ? kViewRadioOnly : kViewTvAndRadio);
        const st_fav& fav = perRow->image().favourites[list];
        const int tvEntries = fav.favTvCount;
        const int rowsShown = radioView ? fav.favCount - tvEntries : fav.favCount;
        const bool second = !radioView && chance(50);
        const int from = second ? tvEntries : 0;
        const int to = second || radioView ? rowsShown : tvEntries;
        std::vector<int> picked;
        std::vector<int> programs;
        for (int r = from; r < to; ++r) {
            if (chance(30)) {
                picked.push_back(r);
                programs.push_back(fav.favEntries[r + (radioView ? tvEntries : 0)]);
            }
        }
        const int n = static_cast<int>(picked.size());
        // The rows' part in the list without them.
        const int partEnd = second || radioView ? rowsShown - n : tvEntries - n;
        if (n == 0 || partEnd < from)
            continue;
        const int position = uniform(from, partEnd);
        test::SnapshotList nodes;
        if (!snapshots(mode, picked, programs, nodes))
            continue;
        // The picked entries leave their places and stand together at the drop place of their part.
        const int offset = radioView ? tvEntries : 0;
        std::vector<int> expected;
        for (int i = 0; i < fav.favCount; ++i) {
            if (std::find(picked.begin(), picked.end(), i - offset) == picked.end())
                expected.push_back(fav.favEntries[i]);
        }
        expected.insert(expected.begin() + offset + position, programs.begin(), programs.end());
        std::vector<int> removals;
        for (int k = 0; k < n; ++k)
            removals.push_back(picked[static_cast<std::size_t>(k)] - k);
        perRow->db.removeListEntries(list, radioView, removals);
        const int result = perRow->db.pasteSnapshots(kTableFavourites, list, position, nodes.head(), mode);
        ASSERT_EQ(batch->db.moveListEntries(list, radioView, picked, position), 0) << "round " << round;
        EXPECT_EQ(test::entries(batch->image().favourites[list]), expected) << "round " << round;
        int pasted = 0;
        for (const auto& node : nodes.nodes)
            pasted += static_cast<int>(node->pasted);
        if (result != 0 || pasted != n || perRow->image().programCount != batch->image().programCount)
            continue;  // a node found its program in another place, or the list named it twice
        ++compared;
        expectSame("moveListEntries", round);
    }
    EXPECT_GT(compared, 100);
}

TEST_F(BatchAgainstPerRow, ThousandsOfRowsOfAFullTable) {
    perRow.reset();
    twinImages(test::fullShape(), 4);
    std::vector<int> descending;
    for (int p = kMaxPrograms - 1; p >= 0; p -= 7)
        descending.push_back(p);
    for (auto* fx : {perRow.get(), batch.get()})
        fx->state->browse.viewMode = kViewWholeTable | kViewTvAndRadio;
    for (const int p : descending) {
        std::uint32_t mask = 0;
        perRow->db.getFavMembership(p, mask);
        perRow->db.deleteInView(p, mask);
    }
    batch->db.deleteInViewMany(descending);
    expectSame("cut of every seventh program", 0);
}

}  // namespace
}  // namespace vizud
