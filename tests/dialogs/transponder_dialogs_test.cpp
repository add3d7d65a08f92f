// Both transponder dialogs' models: the checks of OK at their limits, what each stores, the current
// transponder frequency the tree variant hands back, and the list variant's satellite and frequency choice.
#include <tuple>

#include "database/image_access.h"
#include "dialogs/transponder_list_dialog_model.h"
#include "dialogs/transponder_tree_dialog_model.h"
#include "tests/database/editing_checks.h"
#include "tests/dialogs/dialog_fixture.h"

namespace vizud {
namespace {

using test::Texts;
using TreeTransponderDialog = test::ModelFixture<TransponderTreeDialogModel>;
using ListTransponderDialog = test::ModelFixture<TransponderListDialogModel>;

TEST_F(TreeTransponderDialog, EveryFieldIsCheckedAtItsLimits) {
    using T = TransponderFields;
    using F = DialogField;
    const std::string id = "!\nYou must enter value 0..65535";
    const struct {
        std::string T::*field;
        const char* text;
        std::string refusal;  // empty: accepted
        DialogField refused = DialogField::None;
    } cases[] = {
        {&T::frequency, "999", "Unknown Frequency value: 999!\nYou must enter value 1000..13000", F::Frequency},
        {&T::frequency, "13001", "Unknown Frequency value: 13001!\nYou must enter value 1000..13000", F::Frequency},
        {&T::frequency, "1000", ""},
        {&T::frequency, "13000MHz", ""},
        {&T::symbolRate, "999", "Unknown Symbolrate value: 999!\nYou must enter value 1000..50000", F::SymbolRate},
        {&T::symbolRate, "50001", "Unknown Symbolrate value: 50001!\nYou must enter value 1000..50000", F::SymbolRate},
        {&T::symbolRate, "50000", ""},
        {&T::tsId, "x1", "Unknown Transport Stream ID value: x1" + id, F::TsId},
        {&T::networkId, "-1", "Unknown Network ID value: -1" + id, F::NetworkId},
        {&T::tsId, "65535", ""},
        {&T::networkId, "65535", ""},
        {&T::originalNetworkId, "65536", "Unknown Oryginal Network ID value: 65536" + id, F::OriginalNetworkId},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        reset();
        start(1, kTransponderEdit).*c.field = c.text;
        expectOk(c.refusal, c.refused);
        if (!c.refusal.empty()) {
            EXPECT_EQ(state->currentTpFrequency, -1);
        }
    }
}

// Edit stores the fields and hands the frequency back; Add joins the satellite of the menu, and a duplicate
// stays open.
TEST_F(TreeTransponderDialog, EditAndAddStoreTheFieldsAndHandTheFrequencyBack) {
    TransponderFields& f = start(1, kTransponderEdit);
    EXPECT_EQ(std::tuple(model.satelliteName(), f.frequency, f.polarisation, model.restoreEnabled()),
              std::tuple("Astra", "11720", 1, true));
    f.frequency = "12600";
    f.polarisation = 3;
    f.tsId = "1079";
    model.restore();
    EXPECT_EQ(std::tuple(f.frequency, f.polarisation, f.tsId), std::tuple("11720", 1, "0")) << "Restore";
    f.frequency = "12600";
    f.polarisation = 3;
    f.fec = 4;  // FEC 5
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(std::tuple(state->currentTpFrequency, model.polarisation()), std::tuple(12600, 3));
    const st_ts* tp = image().transponders;
    EXPECT_EQ(std::tuple(tp[1].frequency, tp[2].frequency, tp[2].fec), std::tuple(12500, 12600, 5)) << "in order";
    EXPECT_EQ(image().programs[2].tpIndex, 2) << "its program followed it";
    EXPECT_EQ(test::brokenRule(image(), true), "");

    start(2, kTransponderEdit).fec = 0;  // the first button, "Auto", is a button like the others
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(image().transponders[2].fec, 0);

    image().transponders[2].fec = image().transponders[2].polarization = 4;  // codes without a button survive OK
    start(2, kTransponderEdit);
    EXPECT_EQ(std::tuple(f.fec, f.polarisation), std::tuple(-1, -1));
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(std::tuple(image().transponders[2].fec, image().transponders[2].polarization), std::tuple(4, 4));

    start(11, kTransponderAdd);
    EXPECT_EQ(std::tuple(model.satelliteName(), model.restoreEnabled(), f.polarisation, f.fec),
              std::tuple("Thor", false, 0, 0));
    f = {"11216", "24500", "20", "70", "70", 1, 2};
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(std::tuple(state->currentTpFrequency, image().tpCount, image().transponders[4].satId,
                         image().satellites[2].tpCount),
              std::tuple(11216, 5, 11, 1));

    remember();
    start(11, kTransponderAdd) = {"11216", "24500", "20", "70", "70", 1, 2};
    expectOk("Transponder with entered values exist");
    EXPECT_EQ(state->currentTpFrequency, -10);
    model.cancel();
    EXPECT_EQ(state->currentTpFrequency, -1);
    messages.clear();

    EXPECT_NE(model.prepare(42, kTransponderAdd), 0) << "no satellite has key 42";
    EXPECT_NE(model.prepare(5, kTransponderEdit), 0) << "a free slot";
    EXPECT_EQ(messages.texts(), (Texts{"Error: 500->(-2)", "Error: 502->(-3)"}));
}

// Edit shows the program's transponder and OK changes the one the fields show; Add puts a new transponder on
// the chosen satellite once.
TEST_F(ListTransponderDialog, EditChangesTheTransponderTheFieldsShowAndAddPutsOneOnTheChosenSatellite) {
    TransponderFields& f = start(2, kTransponderEdit);  // Bayern 3 on Astra 11720
    EXPECT_EQ(std::tuple(model.satelliteSelection, model.frequencySelection, f.frequency), std::tuple(0, 1, "11720"));
    f.symbolRate = "22000";
    f.fec = 4;  // FEC 5
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(std::tuple(image().transponders[1].symbolRate, image().transponders[1].fec), std::tuple(22000, 5));
    model.frequencyChanged(2);
    EXPECT_EQ(std::tuple(f.frequency, model.shownTransponder()), std::tuple("12500", 2));
    model.satelliteChanged(1);
    EXPECT_EQ(std::tuple(f.frequency, model.frequencySelection), std::tuple("10992", 0))
        << "the first transponder of the new satellite is loaded";
    f.tsId = "4711";
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(image().transponders[3].tsId, 4711);
    EXPECT_EQ(std::tuple(image().transponders[1].tsId, image().transponders[2].tsId), std::tuple(0, 0))
        << "the transponders shown before are untouched";

    start(0, kTransponderAdd);
    EXPECT_EQ(std::tuple(f.frequency, model.frequencySelection), std::tuple("", -1));
    model.satelliteChanged(2);
    f = {"10872", "27500", "0", "0", "0", f.polarisation, f.fec};
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(std::tuple(image().tpCount, image().transponders[4].satId), std::tuple(5, 11));

    const TransponderFields typed = f;
    remember();
    messages.clear();
    start(0, kTransponderAdd);
    model.satelliteChanged(2);
    model.fields = typed;
    expectOk("Transponder with entered values exist");  // the same values again
    messages.clear();
    EXPECT_NE(model.prepare(8, kTransponderEdit), 0) << "no program 8";
    EXPECT_EQ(messages.texts(), Texts{"Error: 501->(-3)"});
}

}  // namespace
}  // namespace vizud
