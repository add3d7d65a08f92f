// The satellite dialog's model: fields from the record, the LO rule, the positioner rules, "Default" from
// the predefined table, and OK writing nothing until every field has passed.
#include <functional>

#include "database/image_access.h"
#include "dialogs/predefined_satellites.h"
#include "dialogs/satellite_dialog_model.h"
#include "tests/dialogs/dialog_fixture.h"

namespace vizud {
namespace {

using Texts = std::vector<std::string>;

class SatelliteDialog : public test::DialogFixture {
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
    SatelliteFields& start(const std::string& name = "Astra") {
        EXPECT_EQ(model.prepare(name), 0);
        model.open();
        return model.fields;
    }
    SatelliteDialogModel model{db, messages};
};

TEST_F(SatelliteDialog, OpensWithTheRecordAndStoresItUnchanged) {
    const SatelliteFields& f = start();
    EXPECT_EQ(state->editedSatName, "Astra");
    EXPECT_EQ(f.degree, "19,2");
    EXPECT_EQ(f.eastWest.selection, 0);
    EXPECT_EQ(model.lowerLoEntries().front(), "9000") << "a value that is not standard stands in the first entry";
    EXPECT_EQ(f.lowerLo.selection, 0);
    EXPECT_EQ(model.upperLoEntries().front(), "0");
    EXPECT_EQ(f.upperLo.selection, 4);
    EXPECT_EQ(f.diseqc11, 10) << "port 10 is stored as 0x10";
    EXPECT_EQ(f.tone, 2);
    EXPECT_EQ(f.positionerNo, "30");
    ASSERT_TRUE(model.ok());
    EXPECT_TRUE(unchanged());
}

TEST_F(SatelliteDialog, OkStoresTheFieldsThroughTheMappings) {
    SatelliteFields& f = start();
    f.name = "Astra 19,2\xC2\xB0";  // with a degree sign, which Latin-1 holds
    f.degree = "-5";
    f.eastWest = {-1, "w"};
    f.upperLo = {-1, "-9750"};
    f.lowerLo = {7, "11475"};
    f.diseqc11 = 16;
    f.diseqcMode = 6;
    f.tone = 1;
    f.positionerNo = "0";
    f.diseqc12 = true;
    ASSERT_TRUE(model.ok());
    const st_sat& s = image().satellites[0];
    EXPECT_EQ(nameText(s.name), "Astra 19,2\xB0");
    EXPECT_EQ(state->editedSatName, "Astra 19,2\xB0");
    EXPECT_EQ(s.position, 50);
    EXPECT_EQ(s.eastWest, 'W');
    EXPECT_EQ(s.lnbHighLo, 9750);
    EXPECT_EQ(s.lnbLowLo, 11475);
    EXPECT_EQ(s.diseqc11Port, 0x16);
    EXPECT_EQ(s.diseqcMode, 6);
    EXPECT_EQ(s.tone22k, 1);
    EXPECT_EQ(s.motorEnabled, 1);
    EXPECT_EQ(s.positionerNo, 29) << "a positioner turned on without a number gets the first free one";
}

TEST_F(SatelliteDialog, EveryRefusedFieldShowsItsMessageAndWritesNothing) {
    using Change = std::function<void(SatelliteFields&)>;
    const std::string range =
        "Your designated value is beyond the limited range,\n please input proper value(28 ~ 200)";
    using F = DialogField;
    const struct {
        const char* what;
        Change change;
        std::string message;
        DialogField field;
    } cases[] = {
        {"positioner 201", [](SatelliteFields& f) { f.positionerNo = "201"; }, range, F::Positioner},
        {"positioner -3", [](SatelliteFields& f) { f.positionerNo = "-3"; }, range, F::Positioner},
        {"positioner none", [](SatelliteFields& f) { f.positionerNo = "x"; }, range, F::Positioner},
        {"positioner of Hotbird", [](SatelliteFields& f) { f.positionerNo = "45"; },
         "Hotbird(45) already exist as given DisEqC 1.2 position!", F::Positioner},
        {"upper LO 3349",
         [](SatelliteFields& f) {
             f.upperLo = {-1, "3349"};
         },
         "LNB Upper LO Range expected 3350...14900", F::UpperLo},
        {"lower LO 14901",
         [](SatelliteFields& f) {
             f.lowerLo = {-1, "14901"};
         },
         "LNB Lower LO Range expected 3350...14900", F::LowerLo},
        {"lower LO text",
         [](SatelliteFields& f) {
             f.lowerLo = {-1, "ku band"};
         },
         "LNB Lower LO Range expected 3350...14900", F::LowerLo},
        {"degree none", [](SatelliteFields& f) { f.degree = "east"; },
         "Degree error!\nExpected a position in degrees, such as 19,2", F::Degree},
        {"direction",
         [](SatelliteFields& f) {
             f.eastWest = {-1, "N"};
         },
         "Direction error!\nExpected E or W", F::Direction},
        {"empty name", [](SatelliteFields& f) { f.name = ""; }, "Please enter a satellite name.", F::Name},
        {"another's name", [](SatelliteFields& f) { f.name = "Thor"; }, "A satellite named Thor already exists.",
         F::Name},
        // The new name must not survive a later refusal.
        {"new name, bad LO",
         [](SatelliteFields& f) {
             f.name = "Renamed";
             f.upperLo = {-1, "1"};
         },
         "LNB Upper LO Range expected 3350...14900", F::UpperLo},
    };
    for (const auto& c : cases) {
        messages.clear();
        c.change(start());
        EXPECT_FALSE(model.ok()) << c.what;
        EXPECT_EQ(messages.texts(), Texts{c.message}) << c.what;
        EXPECT_EQ(model.refusedField(), c.field) << c.what;
        EXPECT_TRUE(unchanged()) << c.what;
        EXPECT_EQ(state->editedSatName, "Astra") << c.what;
    }
}

TEST_F(SatelliteDialog, TypedOscillatorsAndPositionersAtTheirLimitsAreAccepted) {
    const struct {
        const char* lo;
        const char* positioner;
        int storedLo, storedPositioner;
    } cases[] = {{"3350", "30", 3350, 30}, {"14900", "200", 14900, 200}, {"10750", "1", 10750, 1}};
    for (const auto& c : cases) {
        SatelliteFields& f = start();
        f.upperLo = {-1, c.lo};
        f.positionerNo = c.positioner;
        ASSERT_TRUE(model.ok()) << c.lo;
        EXPECT_EQ(image().satellites[0].lnbHighLo, c.storedLo);
        EXPECT_EQ(image().satellites[0].positionerNo, c.storedPositioner);
    }
}

TEST_F(SatelliteDialog, DefaultFillsFromThePredefinedRowOfThatName) {
    SatelliteFields& f = start();
    f.name = "Hotbird 2-8";
    model.setDefaults();
    EXPECT_EQ(f.degree, "13,0");
    EXPECT_EQ(f.eastWest.text, "E");
    EXPECT_EQ(f.lowerLo.selection, 2);
    EXPECT_EQ(f.upperLo.selection, 4);
    EXPECT_EQ(f.diseqcMode, 0);
    EXPECT_EQ(f.diseqc11, 0);
    EXPECT_EQ(f.tone, 0);
    EXPECT_EQ(f.positionerNo, "1");
    EXPECT_FALSE(f.diseqc12);
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
    EXPECT_EQ(f.name, "Hotbird 2-8");
    EXPECT_EQ(f.degree, "13,0");
    EXPECT_EQ(f.positionerNo, "1");
    f.name = "Thor";
    EXPECT_FALSE(model.ok());
    EXPECT_EQ(messages.texts(), Texts{"A satellite named Thor already exists."});
    EXPECT_TRUE(unchanged());
    f.name = "Hotbird neu";
    ASSERT_TRUE(model.ok());
    ASSERT_EQ(image().satCount, 4);
    const st_sat& added = image().satellites[3];
    EXPECT_STREQ(added.name, "Hotbird neu");
    EXPECT_EQ(added.position, 130);
    EXPECT_EQ(added.tpCount, 0);
    EXPECT_EQ(added.satId, 3) << "its index, a key no one uses";
    EXPECT_EQ(state->editedSatName, "Hotbird neu");

    model.prepareNew(SatelliteDialogModel::startingRecord(-1));
    model.open();
    EXPECT_EQ(model.fields.name, "");
    EXPECT_EQ(model.fields.degree, "0,0");
    EXPECT_EQ(model.fields.eastWest.text, "E");
    EXPECT_EQ(model.lowerLoEntries()[static_cast<std::size_t>(model.fields.lowerLo.selection)], "9750");
    EXPECT_EQ(model.upperLoEntries()[static_cast<std::size_t>(model.fields.upperLo.selection)], "10600");
    EXPECT_FALSE(model.ok()) << "a blank satellite needs a name";
    while (image().satCount < kMaxSatellites)
        build.satellite(1000 + image().satCount, "Filler " + std::to_string(image().satCount));
    remember();
    messages.clear();
    model.fields.name = "One too many";
    EXPECT_FALSE(model.ok());
    EXPECT_EQ(messages.texts(), Texts{satelliteTableFullText()});
    EXPECT_TRUE(unchanged());
}

TEST_F(SatelliteDialog, ASatelliteThatDoesNotExistIsReportedAndNotOpened) {
    EXPECT_NE(model.prepare("Nowhere"), 0);
    EXPECT_EQ(messages.texts(), Texts{"Error: 500->(-2)"});
}

}  // namespace
}  // namespace vizud
