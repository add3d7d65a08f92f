// The transponder delete dialog's model: what it offers, the question, Yes and No, and its one-pass
// deletion of the transponder's programs against the one-at-a-time walk it replaces.
#include <random>
#include <tuple>

#include "database/image_access.h"
#include "dialogs/transponder_delete_model.h"
#include "tests/database/editing_checks.h"
#include "tests/dialogs/dialog_fixture.h"
#include "tests/support/image_factory.h"
#include "tests/support/reference_walks.h"

namespace vizud {
namespace {

using test::Texts;

class TransponderDelete : public test::ModelFixture<TransponderDeleteModel> {
protected:
    void start(int tpIndex, int currentFrequency) {
        state->currentTpFrequency = currentFrequency;
        ASSERT_EQ(model.prepare(tpIndex, 2), 0);
        model.open();
    }
};

TEST_F(TransponderDelete, OffersTheTransponderOfTheCurrentFrequencyOnItsSatellite) {
    start(1, 11720);
    EXPECT_EQ(std::tuple(model.satelliteSelection, model.transponders().size(), model.transponderSelection),
              std::tuple(0, 3u, 1));
    EXPECT_EQ(state->currentTpFrequency, -1);
    start(3, 10992);
    EXPECT_EQ(std::tuple(model.satelliteSelection, model.transponders().size()), std::tuple(1, 1u)) << "Hotbird";

    const int sameFrequency = build.transponder(7, 11720, 0);  // the other polarisation
    remember();
    start(sameFrequency, 11720);
    EXPECT_EQ(model.transponders()[static_cast<std::size_t>(model.transponderSelection)].index, sameFrequency);

    start(1, -1);
    EXPECT_EQ(model.transponderSelection, -1);
    EXPECT_FALSE(model.okEnabled());
    EXPECT_FALSE(model.ok()) << "nothing chosen, nothing to delete";
    EXPECT_TRUE(unchanged());
}

TEST_F(TransponderDelete, YesDeletesTheTransponderAndItsProgramsNoOrACutProgramKeepsIt) {
    start(1, 11720);
    EXPECT_TRUE(model.ok());  // the scripted answer is No
    EXPECT_EQ(messages.asked, Texts{"Do you realy want to delete transponder 11720 (MHz)\nfrom satellite: Astra"});
    EXPECT_TRUE(unchanged());
    EXPECT_EQ(state->currentTpFrequency, -1);

    start(1, 11720);
    messages.script(MessageAnswer::Yes);
    EXPECT_TRUE(model.ok());
    // Bayern 3 was tuned to it.
    EXPECT_EQ(
        std::tuple(state->currentTpFrequency, image().tpCount, image().programCount, image().satellites[0].tpCount),
        std::tuple(11720, 3, 3, 2));
    EXPECT_EQ(test::entries(image().favourites[0]), (std::vector<int>{0}));
    EXPECT_EQ(test::brokenRule(image(), true), "");

    // A transponder a cut program still needs is kept, whatever the answer.
    remember();
    state->programClipboard = new ProgramSnapshot{};
    state->programClipboard->tpIndex = 1;  // 12500 moved down into the deleted one's place
    start(1, 12500);
    messages.script(MessageAnswer::Yes);
    EXPECT_FALSE(model.ok());
    EXPECT_EQ(messages.texts(),
              Texts{"Transponder 12500 (MHz) is still used by a program in the clipboard.\nPaste it first."});
    EXPECT_TRUE(unchanged());
}

// The one-pass deletion against the walk of one deletion per program: on random images, with the
// transponder's programs spread or bunched and clipboard nodes that name programs, both leave the same
// image, clipboard and messages.
TEST(TransponderDeleteOnePass, EqualsTheOneAtATimeWalk) {
    std::mt19937 rng(8);
    auto uniform = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int round = 0; round < 60; ++round) {
        test::ImageShape shape = test::randomShape(rng);
        shape.transponders = std::max(shape.transponders, 1);
        shape.satellites = std::max(shape.satellites, 1);
        shape.providers = std::max(shape.providers, 1);
        const auto source = test::makeImage(static_cast<std::uint32_t>(rng()), shape);
        const int tp = uniform(0, source->tpCount - 1);
        // Bunch some programs onto the transponder: neighbours, a run, the first and the last.
        for (int p = 0; p < source->programCount; ++p) {
            if (uniform(0, 99) < (round % 3) * 30)
                source->programs[p].tpIndex = static_cast<std::uint16_t>(tp);
        }
        test::DatabaseFixture oneByOne;
        test::DatabaseFixture onePass;
        for (test::DatabaseFixture* fx : {&oneByOne, &onePass}) {
            std::memcpy(&fx->image(), source.get(), kImageSize);
            ProgramSnapshot** link = &fx->state->programClipboard;
            std::mt19937 nodes(static_cast<std::uint32_t>(round));
            for (int i = 0; i < 4; ++i) {
                *link = new ProgramSnapshot{};
                (*link)->programIndex = std::uniform_int_distribution<int>(-1, source->programCount)(nodes);
                (*link)->tpIndex = static_cast<std::uint16_t>(tp + 1);
                link = &(*link)->next;
            }
        }
        const int walked = test::deleteProgramsOfTransponderOneByOne(oneByOne.db, tp);
        EXPECT_EQ(deleteProgramsOfTransponder(onePass.db, tp), walked);
        ASSERT_EQ(test::firstDifference(oneByOne.image(), onePass.image()), -1) << "round " << round;
        for (const ProgramSnapshot *a = oneByOne.state->programClipboard, *b = onePass.state->programClipboard;
             a != nullptr; a = a->next, b = b->next) {
            EXPECT_EQ(a->programIndex, b->programIndex) << "round " << round;
        }
        EXPECT_EQ(oneByOne.messages.texts(), onePass.messages.texts());
    }
}

}  // namespace
}  // namespace vizud
