// The satellite dialog's model: fields from the record, the LO rule, the positioner rules, "Default" from
// the predefined table, and OK writing nothing until every field has passed.
#include <tuple>

#include "database/image_access.h"
#include "dialogs/field_rules.h"
#include "dialogs/predefined_satellites.h"
#include "dialogs/satellite_dialog_model.h"
#include "tests/dialogs/dialog_fixture.h"

namespace vizud {
namespace {

using test::Texts;

EditableChoice typed(const char* text) {
    return {-1, text};
}

class SatelliteDialog : public test::ModelFixture<SatelliteDialogModel> {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        st_sat& astra = image().satellites[0];
        astra.lnbLowLo = 9000;
        astra.positionerNo = 30;
        astra.diseqc11Port = 0x10;
        astra.tone22k = 2;
        image().satellites[1].positionerNo = 45;
        db.updateChecksum();
        remember();
    }
    SatelliteFields& start(const std::string& name = "Astra") { return ModelFixture::start(name); }
};

// The name is shown without its character-table byte and keeps it when stored, changed or not; every field
// is stored through its mapping.
TEST_F(SatelliteDialog, OpensWithTheRecordAndOkStoresTheFieldsThroughTheMappings) {
    test::setName(image().satellites[0].name, "\5Astra");
    db.updateChecksum();
    remember();
    SatelliteFields& f = start("\5Astra");
    // A lower LO that is not standard stands in the first entry; port 10 is stored as 0x10.
    EXPECT_EQ(std::tuple(f.name, f.degree, f.eastWest.selection, f.tone, f.positionerNo, f.diseqc11),
              std::tuple("Astra", "19,2", 0, 2, "30", 10));
    EXPECT_EQ(model.nameLength(), 14) << "the kept table byte takes one of the record's 15";
    EXPECT_EQ(std::tuple(model.lowerLoEntries().front(), f.lowerLo.selection, model.upperLoEntries().front(),
                         f.upperLo.selection),
              std::tuple("9000", 0, "0", 4));
    EXPECT_EQ(model.upperLoEntries().size(), kStandardLo.size());
    ASSERT_TRUE(model.ok());
    EXPECT_TRUE(unchanged());
    // Every field, the name with a degree sign, which Latin-1 holds.
    f = {"Astra 19,2\xC2\xB0", "-5", typed("w"), {7, "11475"}, typed("-9750"), 6, 16, 1, "0", true};
    ASSERT_TRUE(model.ok());
    const st_sat& s = image().satellites[0];
    EXPECT_EQ(std::tuple(nameText(s.name), state->editedSatName), std::tuple("\5Astra 19,2\xB0", "\5Astra 19,2\xB0"));
    EXPECT_EQ(std::tuple(s.position, s.eastWest, s.lnbHighLo, s.lnbLowLo, s.diseqc11Port, s.diseqcMode, s.tone22k),
              std::tuple(50, 'W', 9750, 11475, 0x16, 6, 1));
    EXPECT_EQ(s.motorEnabled, 1);
    EXPECT_EQ(s.positionerNo, 29) << "a positioner turned on without a number gets the first free one";

    EXPECT_NE(model.prepare("Nowhere"), 0);
    EXPECT_EQ(messages.texts(), Texts{"Error: 500->(-2)"}) << "a satellite that does not exist is not opened";
}

// Each refused field with its message, nothing written (not even a new name typed before), and the typed
// oscillators and positioners at their limits accepted.
TEST_F(SatelliteDialog, EveryFieldIsCheckedAtItsLimits) {
    using F = DialogField;
    const std::string range =
        "Your designated value is beyond the limited range,\n please input proper value(28 ~ 200)";
    const std::string upper = "LNB Upper LO Range expected 3350...14900",
                      lower = "LNB Lower LO Range expected 3350...14900";
    const struct {
        const char* what;
        void (*change)(SatelliteFields&);
        std::string message;  // empty: accepted
        DialogField field = DialogField::None;
        int storedLo = 0, storedPositioner = 0;
    } cases[] = {
        {"positioner 201", [](auto& f) { f.positionerNo = "201"; }, range, F::Positioner},
        {"positioner -3", [](auto& f) { f.positionerNo = "-3"; }, range, F::Positioner},
        {"positioner none", [](auto& f) { f.positionerNo = "x"; }, range, F::Positioner},
        {"positioner of Hotbird", [](auto& f) { f.positionerNo = "45"; },
         "Hotbird(45) already exist as given DisEqC 1.2 position!", F::Positioner},
        {"upper LO 3349", [](auto& f) { f.upperLo = typed("3349"); }, upper, F::UpperLo},
        {"lower LO 14901", [](auto& f) { f.lowerLo = typed("14901"); }, lower, F::LowerLo},
        {"lower LO text", [](auto& f) { f.lowerLo = typed("ku band"); }, lower, F::LowerLo},
        {"degree none", [](auto& f) { f.degree = "east"; },
         "Degree error!\nExpected a position in degrees, such as 19,2", F::Degree},
        {"direction", [](auto& f) { f.eastWest = typed("N"); }, "Direction error!\nExpected E or W", F::Direction},
        {"empty name", [](auto& f) { f.name = ""; }, "Please enter a satellite name.", F::Name},
        {"euro in the name", [](auto& f) { f.name = "\xE2\x82\xAC"; },
         "Name: the character '\xE2\x82\xAC' cannot be stored in the box's channel list.", F::Name},
        {"another's name", [](auto& f) { f.name = "Thor"; }, "A satellite named Thor already exists.", F::Name},
        {"new name, bad LO", [](auto& f) { f.name = "Renamed", f.upperLo = typed("1"); }, upper, F::UpperLo},
        {"3350, 30", [](auto& f) { f.upperLo = typed("3350"), f.positionerNo = "30"; }, "", F::None, 3350, 30},
        {"14900, 200", [](auto& f) { f.upperLo = typed("14900"), f.positionerNo = "200"; }, "", F::None, 14900, 200},
        {"10750, 1", [](auto& f) { f.upperLo = typed("10750"), f.positionerNo = "1"; }, "", F::None, 10750, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        reset();
        c.change(start());
        expectOk(c.message, c.field);
        if (!c.message.empty()) {
            EXPECT_EQ(state->editedSatName, "Astra");
        } else {
            EXPECT_EQ(std::tuple(image().satellites[0].lnbHighLo, image().satellites[0].positionerNo),
                      std::tuple(c.storedLo, c.storedPositioner));
        }
    }
}

TEST_F(SatelliteDialog, DefaultFillsFromThePredefinedRowOfThatName) {
    SatelliteFields& f = start();
    f.name = "Hotbird 2-8";
    model.setDefaults();
    EXPECT_EQ(std::tuple(f.degree, f.eastWest.text, f.lowerLo.selection, f.upperLo.selection, f.positionerNo),
              std::tuple("13,0", "E", 2, 4, "1"));
    EXPECT_EQ(std::tuple(f.diseqcMode, f.diseqc11, f.tone, f.diseqc12), std::tuple(0, 0, 0, false));
    EXPECT_TRUE(unchanged()) << "Default changes only the fields";

    f.name = "Paksat1-C";
    model.setDefaults();
    EXPECT_EQ(f.eastWest.text, "W") << "its direction byte is 0";
    EXPECT_EQ(f.lowerLo.selection, 1);

    const SatelliteFields shown = f;
    f.name = "Nowhere Sat";
    model.setDefaults();
    EXPECT_EQ(messages.texts(), Texts{"Cannot find predefined sat parameters."});
    EXPECT_EQ(f.degree, shown.degree);
    EXPECT_EQ(f.positionerNo, shown.positionerNo);
}

TEST_F(SatelliteDialog, ANewSatelliteStartsFromItsRowAndIsAppendedOnlyOnOk) {
    model.prepareNew(SatelliteDialogModel::startingRecord(findPredefinedSatellite("Hotbird 2-8")));
    model.open();
    SatelliteFields& f = model.fields;
    EXPECT_EQ(std::tuple(f.name, f.degree, f.positionerNo), std::tuple("Hotbird 2-8", "13,0", "1"));
    f.name = "Hotbird neu";
    ASSERT_TRUE(model.ok());
    ASSERT_EQ(image().satCount, 4);
    const st_sat& added = image().satellites[3];
    // Its key is its index, a key no one uses.
    EXPECT_EQ(std::tuple(nameText(added.name), added.position, added.tpCount, added.satId, state->editedSatName),
              std::tuple("Hotbird neu", 130, 0, 3, "Hotbird neu"));

    // A C-band row brings its own oscillators and tone, not the Ku band's defaults.
    const st_sat paksat = SatelliteDialogModel::startingRecord(findPredefinedSatellite("Paksat1-C"));
    EXPECT_EQ(std::tuple(paksat.position, paksat.eastWest, paksat.lnbLowLo, paksat.lnbHighLo, paksat.tone22k),
              std::tuple(380, 'W', 5150, 5150, 2));

    model.prepareNew(SatelliteDialogModel::startingRecord(-1));
    model.open();
    EXPECT_EQ(std::tuple(f.name, f.degree, f.eastWest.text), std::tuple("", "0,0", "E"));
    EXPECT_EQ(model.lowerLoEntries()[static_cast<std::size_t>(f.lowerLo.selection)], "9750");
    EXPECT_EQ(model.upperLoEntries()[static_cast<std::size_t>(f.upperLo.selection)], "10600");
    EXPECT_FALSE(model.ok()) << "a blank satellite needs a name";
    while (image().satCount < kMaxSatellites)
        build.satellite(1000 + image().satCount, "Filler " + std::to_string(image().satCount));
    remember();
    messages.clear();
    f.name = "One too many";
    expectOk(satelliteTableFullText());
}

}  // namespace
}  // namespace vizud
