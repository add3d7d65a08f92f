// Both transponder dialogs' models: the checks of OK at their limits, what each stores, the current
// transponder frequency the tree variant hands back, and the list variant's satellite and frequency choice.
#include <functional>

#include "database/image_access.h"
#include "dialogs/transponder_list_dialog_model.h"
#include "dialogs/transponder_tree_dialog_model.h"
#include "tests/database/editing_checks.h"
#include "tests/dialogs/dialog_fixture.h"

namespace vizud {
namespace {

using Texts = std::vector<std::string>;

std::vector<int> frequencies(const all_tables_block& img) {
    std::vector<int> out;
    for (int t = 0; t < img.tpCount; ++t)
        out.push_back(img.transponders[t].frequency);
    return out;
}

class TreeTransponderDialog : public test::DialogFixture {
protected:
    TransponderFields& start(int number, int mode) {
        EXPECT_EQ(model.prepare(number, mode), 0);
        model.open();
        return model.fields;
    }
    TransponderTreeDialogModel model{db, messages};
};

TEST_F(TreeTransponderDialog, EveryFieldIsCheckedAtItsLimits) {
    using Change = std::function<void(TransponderFields&)>;
    const auto set = [](std::string TransponderFields::*field, const char* text) {
        return [field, text](TransponderFields& f) { f.*field = text; };
    };
    using F = DialogField;
    const struct {
        Change change;
        const char* refusal;  // nullptr: accepted
        DialogField field = DialogField::None;
    } cases[] = {
        {set(&TransponderFields::frequency, "999"), "Unknown Frequency value: 999!\nYou must enter value 1000..13000",
         F::Frequency},
        {set(&TransponderFields::frequency, "13001"),
         "Unknown Frequency value: 13001!\nYou must enter value 1000..13000", F::Frequency},
        {set(&TransponderFields::frequency, "1000"), nullptr},
        {set(&TransponderFields::frequency, "13000MHz"), nullptr},
        {set(&TransponderFields::symbolRate, "999"), "Unknown Symbolrate value: 999!\nYou must enter value 1000..50000",
         F::SymbolRate},
        {set(&TransponderFields::symbolRate, "50001"),
         "Unknown Symbolrate value: 50001!\nYou must enter value 1000..50000", F::SymbolRate},
        {set(&TransponderFields::symbolRate, "50000"), nullptr},
        {set(&TransponderFields::tsId, "x1"), "Unknown Transport Stream ID value: x1!\nYou must enter value 0..65535",
         F::TsId},
        {set(&TransponderFields::networkId, "-1"), "Unknown Network ID value: -1!\nYou must enter value 0..65535",
         F::NetworkId},
        {set(&TransponderFields::networkId, "65535"), nullptr},
        {set(&TransponderFields::originalNetworkId, "65536"),
         "Unknown Oryginal Network ID value: 65536!\nYou must enter value 0..65535", F::OriginalNetworkId},
    };
    for (const auto& c : cases) {
        std::memcpy(&image(), before.get(), sizeof(all_tables_block));
        messages.clear();
        c.change(start(1, kTransponderEdit));
        EXPECT_EQ(model.ok(), c.refusal == nullptr);
        EXPECT_EQ(model.refusedField(), c.field);
        if (c.refusal != nullptr) {
            EXPECT_EQ(messages.texts(), Texts{c.refusal});
            EXPECT_TRUE(unchanged());
            EXPECT_EQ(state->currentTpFrequency, -1);
        } else {
            EXPECT_TRUE(messages.texts().empty());
        }
    }
}

TEST_F(TreeTransponderDialog, EditStoresTheFieldsAndHandsTheFrequencyBack) {
    TransponderFields& f = start(1, kTransponderEdit);
    EXPECT_EQ(model.title(), "Edit transponder");
    EXPECT_EQ(model.satelliteName(), "Astra");
    EXPECT_EQ(f.frequency, "11720");
    EXPECT_EQ(f.polarisation, 1);
    EXPECT_TRUE(model.restoreEnabled());
    f.frequency = "12600";
    f.polarisation = 3;
    f.fec = 4;  // FEC 5
    f.tsId = "1079";
    model.restore();
    EXPECT_EQ(f.frequency, "11720") << "Restore puts the loaded values back";
    f.frequency = "12600";
    f.polarisation = 3;
    f.fec = 4;
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(state->currentTpFrequency, 12600);
    EXPECT_EQ(model.polarisation(), 3);
    EXPECT_EQ(frequencies(image()), (std::vector<int>{10700, 12500, 12600, 10992})) << "kept in frequency order";
    EXPECT_EQ(image().transponders[2].fec, 5);
    EXPECT_EQ(image().programs[2].tpIndex, 2) << "its program followed it";
    EXPECT_EQ(test::brokenRule(image(), true), "");
}

TEST_F(TreeTransponderDialog, AFecWithoutAButtonSurvivesOk) {
    image().transponders[1].fec = 4;
    TransponderFields& f = start(1, kTransponderEdit);
    EXPECT_EQ(f.fec, -1);
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(image().transponders[1].fec, 4);
}

TEST_F(TreeTransponderDialog, AddJoinsTheSatelliteOfTheMenuAndADuplicateStaysOpen) {
    TransponderFields& f = start(11, kTransponderAdd);
    EXPECT_EQ(model.title(), "Add transponder");
    EXPECT_EQ(model.satelliteName(), "Thor");
    EXPECT_FALSE(model.restoreEnabled());
    EXPECT_EQ(f.polarisation, 0);
    EXPECT_EQ(f.fec, 0);
    f = {"11216", "24500", "20", "70", "70", 1, 2};
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(state->currentTpFrequency, 11216);
    EXPECT_EQ(image().tpCount, 5);
    EXPECT_EQ(image().transponders[4].satId, 11);
    EXPECT_EQ(image().satellites[2].tpCount, 1);

    remember();
    start(11, kTransponderAdd) = {"11216", "24500", "20", "70", "70", 1, 2};
    EXPECT_FALSE(model.ok());
    EXPECT_EQ(state->currentTpFrequency, -10);
    EXPECT_TRUE(unchanged());
    model.cancel();
    EXPECT_EQ(state->currentTpFrequency, -1);
}

TEST_F(TreeTransponderDialog, APrepareWithNothingBehindItDoesNotOpen) {
    EXPECT_NE(model.prepare(42, kTransponderAdd), 0) << "no satellite has key 42";
    EXPECT_NE(model.prepare(4, kTransponderEdit), 0) << "a free slot";
    EXPECT_EQ(messages.texts(), (Texts{"Error: 500->(-2)", "Error: 502->(-3)"}));
}

class ListTransponderDialog : public test::DialogFixture {
protected:
    TransponderFields& start(int program, int mode) {
        EXPECT_EQ(model.prepare(program, mode), 0);
        model.open();
        return model.fields;
    }
    TransponderListDialogModel model{db, messages};
};

TEST_F(ListTransponderDialog, EditShowsTheProgramsTransponderAndChangesIt) {
    TransponderFields& f = start(2, kTransponderEdit);  // Bayern 3 on Astra 11720
    EXPECT_EQ(model.satelliteSelection, 0);
    EXPECT_EQ(model.frequencySelection, 1);
    EXPECT_EQ(f.frequency, "11720");
    f.symbolRate = "22000";
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(image().transponders[1].symbolRate, 22000);
}

TEST_F(ListTransponderDialog, OkChangesTheTransponderTheFieldsShowAfterAnotherChoice) {
    TransponderFields& f = start(2, kTransponderEdit);
    model.frequencyChanged(2);
    EXPECT_EQ(f.frequency, "12500");
    EXPECT_EQ(model.shownTransponder(), 2);
    model.satelliteChanged(1);
    EXPECT_EQ(f.frequency, "10992") << "the first transponder of the new satellite is loaded";
    EXPECT_EQ(model.frequencySelection, 0);
    f.tsId = "4711";
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(image().transponders[3].tsId, 4711);
    EXPECT_EQ(image().transponders[1].tsId, 0) << "the transponder the dialog was opened for is untouched";
    EXPECT_EQ(image().transponders[2].tsId, 0);
}

TEST_F(ListTransponderDialog, AddPutsANewTransponderOnTheChosenSatellite) {
    TransponderFields& f = start(0, kTransponderAdd);
    EXPECT_EQ(model.title(), "Add transponder");
    EXPECT_TRUE(f.frequency.empty());
    EXPECT_EQ(model.frequencySelection, -1);
    model.satelliteChanged(2);
    f.frequency = "10872";
    f.symbolRate = "27500";
    f.tsId = f.networkId = f.originalNetworkId = "0";
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(image().tpCount, 5);
    EXPECT_EQ(image().transponders[4].satId, 11);

    const TransponderFields typed = f;
    remember();
    messages.clear();
    start(0, kTransponderAdd);
    model.satelliteChanged(2);
    model.fields = typed;
    EXPECT_FALSE(model.ok()) << "the same values again";
    EXPECT_EQ(messages.texts(), Texts{"Transponder with entered values exist"});
    EXPECT_TRUE(unchanged());
}

}  // namespace
}  // namespace vizud
