// The edit history's steps: random edits (deletes, cuts, copies, pastes, moves, renames, hand-over values)
// with undo and redo interleaved, some steps joined into the one before, must give back every earlier state
// byte for byte: the image, every
// clipboard node and the values the views hand to each other.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "app/state_delta.h"
#include "database/image_access.h"
#include "tests/support/database_fixture.h"
#include "tests/support/image_factory.h"
#include "views/list_editing.h"

namespace vizud {
namespace {

// Everything an undo must give back, as bytes.
std::string stateBytes(const EditorState& state) {
    std::string out(reinterpret_cast<const char*>(&state.image), kImageSize);
    for (const ProgramSnapshot* node = state.programClipboard; node != nullptr; node = node->next)
        out.append(reinterpret_cast<const char*>(node), offsetof(ProgramSnapshot, next));
    out += "|" + std::to_string(state.currentTpFrequency) + "|" + std::to_string(state.addedProgramIndex) + "|" +
           std::to_string(state.newProgramKind) + "|" + state.editedSatName;
    return out;
}

// Where two states first differ: an image offset below kImageSize, else the clipboard or the values; -1 when
// they do not.
long firstDifference(const std::string& a, const std::string& b) {
    return a == b ? -1 : std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin();
}

class History : public ::testing::Test, public test::DatabaseFixture {
protected:
    int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

    std::vector<int> someRows(const ListFill& fill, int percent) {
        std::vector<int> rows;
        for (int r = 0; r < static_cast<int>(fill.rows.size()); ++r) {
            if (uniform(0, 99) < percent)
                rows.push_back(r);
        }
        return rows;
    }

    // One edit of the kinds the editor makes; false when it found nothing to do.
    bool edit() {
        const ListFill fill = fillRows(db);
        switch (uniform(0, 6)) {
            case 0: {  // delete
                const std::vector<int> rows = someRows(fill, 5);
                removeRows(db, fill, rows);
                return !rows.empty();
            }
            case 1: {  // cut
                const std::vector<int> rows = someRows(fill, 5);
                shadow.clipboardWillChange(*state);
                fillClipboard(db, fill, rows, true);
                shadow.clipboardChanged(*state);
                removeRows(db, fill, rows);
                return true;
            }
            case 2:  // paste
                return !fill.rows.empty() && pasteBefore(db, fill, uniform(0, static_cast<int>(fill.rows.size()) - 1));
            case 3: {  // drag a few TV programs to the start
                std::vector<int> sources;
                for (int p = 1; p < image().tvCount && sources.size() < 4; p += uniform(1, 5))
                    sources.push_back(p);
                return !sources.empty() && db.movePrograms(sources, 0) == 0;
            }
            case 4:  // rename a provider
                if (image().providerCount == 0)
                    return false;
                test::setName(image().providers[uniform(0, image().providerCount - 1)].name,
                              "Renamed " + std::to_string(uniform(0, 99)));
                return true;
            case 5:  // a dialog's hand-over values
                state->addedProgramIndex = uniform(-1, 50);
                state->editedSatName = "Sat " + std::to_string(uniform(0, 9));
                return true;
            default:
                image().favourites[uniform(0, 8)].favName[0] = static_cast<char>('A' + uniform(0, 25));
                return true;
        }
    }

    std::mt19937 rng{61};
    EditorShadow shadow;
};

TEST_F(History, UndoAndRedoGiveBackEveryStateByteForByte) {
    for (int round = 0; round < 12; ++round) {
        test::ImageShape shape = test::randomShape(rng);
        shape.programs = std::min(shape.programs, 400);
        shape.tv = std::min(shape.tv, shape.programs);
        test::makeImage(image(), static_cast<std::uint32_t>(rng()), shape);
        freeSnapshotList(state->programClipboard);
        state->browse.viewMode = kViewTvAndRadio | kViewWholeTable;
        state->browse.selectedText = "Satellites";
        state->browse.editMask = 0x0F;
        shadow.reset(*state);
        std::vector<StateDelta> undo, redo;
        std::vector<std::string> states{stateBytes(*state)};  // states[undo.size()] is the live one
        // An undo (from undo to redo) or a redo; where the state then differs from the one recorded.
        const auto exchange = [&](std::vector<StateDelta>& from, std::vector<StateDelta>& to) {
            from.back().exchange(shadow, *state);
            to.push_back(std::move(from.back()));
            from.pop_back();
            return firstDifference(stateBytes(*state), states[undo.size()]);
        };
        for (int step = 0; step < 120; ++step) {
            SCOPED_TRACE("round " + std::to_string(round) + " step " + std::to_string(step));
            const int what = uniform(0, 9);
            if (what < 2 && !undo.empty()) {
                ASSERT_EQ(exchange(undo, redo), -1) << "undo";
            } else if (what < 4 && !redo.empty()) {
                ASSERT_EQ(exchange(redo, undo), -1) << "redo";
            } else if (what == 4) {  // a copy: not a step, but the clipboard of the live state
                const ListFill fill = fillRows(db);
                if (!undo.empty())
                    undo.back().keepClipboard(state->programClipboard, shadow.listId());
                if (!redo.empty())
                    redo.back().keepClipboard(state->programClipboard, shadow.listId());
                fillClipboard(db, fill, someRows(fill, 3), false);
                shadow.clipboardChanged(*state);
                states[undo.size()] = stateBytes(*state);
            } else if (edit()) {
                db.updateChecksum();
                StateDelta delta = StateDelta::record(shadow, *state);
                if (delta.empty())
                    continue;
                redo.clear();
                // Now and then the step joins the one before, as moves from the keyboard do.
                if (undo.empty() || uniform(0, 3) != 0 || !undo.back().absorb(delta))
                    undo.push_back(std::move(delta));
                states.resize(undo.size());
                states.push_back(stateBytes(*state));
            }
            ASSERT_EQ(std::memcmp(&shadow.image(), &image(), kImageSize), 0) << "the shadow follows the live image";
        }
        while (!undo.empty())  // all the way back and forth again
            ASSERT_EQ(exchange(undo, redo), -1);
        while (!redo.empty())
            ASSERT_EQ(exchange(redo, undo), -1);
    }
}

TEST_F(History, AStepKeepsOnlyTheBlocksThatChanged) {
    test::makeImage(image(), 5, test::fullShape());
    shadow.reset(*state);
    test::setName(image().providers[3].name, "Renamed");
    db.updateChecksum();
    const StateDelta rename = StateDelta::record(shadow, *state);
    EXPECT_LE(rename.bytes(), 3 * StateDelta::kBlock + 1024) << "the CRC's block and the provider's";
    EXPECT_TRUE(StateDelta::record(shadow, *state).empty()) << "nothing changed since";
}

}  // namespace
}  // namespace vizud
