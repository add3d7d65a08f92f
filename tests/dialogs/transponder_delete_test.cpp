// The transponder delete dialog's model: what it offers, the question, Yes and No. (Its one-pass deletion
// of the transponder's programs is compared with the walk it replaces in the random edit sequences.)
#include <tuple>

#include "database/image_access.h"
#include "dialogs/transponder_delete_model.h"
#include "tests/dialogs/dialog_fixture.h"

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
    EXPECT_NE(model.prepare(3000, 2), 0) << "a transponder beyond the table";
    EXPECT_EQ(messages.texts(), (Texts{"Please choose the transponder to delete.", "Error: 502->(-4)"}));
}

// The question names the transponder and its satellite as the tree shows it, and how many programs go
// with it (none: no line); No keeps everything, Yes deletes them, and a cut program keeps its transponder.
TEST_F(TransponderDelete, TheQuestionSaysHowManyProgramsGoWithTheTransponderAndYesDeletesThem) {
    const int empty = build.transponder(11, 11000);
    build.program("Das Zweite", 0, 0, true);
    test::setName(image().satellites[2].name, "\5Thor");
    db.updateChecksum();
    remember();
    const std::tuple<int, int, const char*> questions[] = {
        {0, 10700, "10700 (MHz)\nfrom satellite: Astra\nIts 2 programs are deleted with it."},
        {1, 11720, "11720 (MHz)\nfrom satellite: Astra\nIts 1 program is deleted with it."},
        {empty, 11000, "11000 (MHz)\nfrom satellite: Thor"},
    };
    for (const auto& [tp, frequency, question] : questions) {
        messages.clear();
        start(tp, frequency);
        EXPECT_TRUE(model.ok());  // the scripted answer is No
        EXPECT_EQ(messages.asked, Texts{std::string("Do you realy want to delete transponder ") + question});
        EXPECT_TRUE(unchanged());
        EXPECT_EQ(state->currentTpFrequency, -1);
    }
    start(1, 11720);
    messages.script(MessageAnswer::Yes);
    EXPECT_TRUE(model.ok());
    // Bayern 3 was tuned to it.
    EXPECT_EQ(
        std::tuple(state->currentTpFrequency, image().tpCount, image().programCount, image().satellites[0].tpCount),
        std::tuple(11720, 4, 4, 2));

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

}  // namespace
}  // namespace vizud
