// The program dialog's model: what it shows for a program, what OK stores, every refusal leaving the
// image as it was, and the add mode's placement and preselection from the tree.
#include <functional>

#include "database/image_access.h"
#include "dialogs/program_dialog_model.h"
#include "tests/database/editing_checks.h"
#include "tests/dialogs/dialog_fixture.h"

namespace vizud {
namespace {

using Texts = std::vector<std::string>;

class ProgramDialog : public test::DialogFixture {
protected:
    ProgramDialogModel& start(int index, int mode) {
        EXPECT_EQ(model.prepare(index, mode), 0);
        model.open();
        return model;
    }
    ProgramDialogModel model{db, messages};
};

TEST_F(ProgramDialog, EditShowsTheRecordAndOkWithoutChangesStoresTheSameBytes) {
    ProgramFields& f = start(1, kProgramDialogEdit).fields;
    EXPECT_EQ(f.name, "News");
    EXPECT_EQ(f.provider, "News") << "providers are listed without their table byte";
    EXPECT_EQ(f.satelliteSelection, 1);
    EXPECT_EQ(model.transponders().size(), 1u);
    EXPECT_EQ(f.transponderSelection, 0);
    EXPECT_EQ(f.serviceId, "17");
    EXPECT_TRUE(f.tv);
    EXPECT_FALSE(f.classEnabled);
    EXPECT_FALSE(f.pidsEnabled);
    EXPECT_EQ(f.favourite, (std::array<bool, 9>{false, false, false, true}));
    EXPECT_EQ(f.favouriteNames[8], "Fav_9");
    EXPECT_TRUE(model.title().empty());
    ASSERT_TRUE(model.ok());
    EXPECT_TRUE(unchanged());
    EXPECT_EQ(state->addedProgramIndex, 1);
    EXPECT_EQ(state->newProgramKind, -1) << "an edit leaves no kind behind for the next insert";
}

TEST_F(ProgramDialog, OkStoresEveryFieldAndTheNineListMemberships) {
    ProgramFields& f = start(2, kProgramDialogEdit).fields;
    f.name = "Bayern 3 Extra Long Name";
    model.satelliteChanged(1);
    f.provider = "ARD";
    model.scpcClicked(true);
    f.videoPid = "17";
    f.audioPid = "8190";
    f.pcrPid = " 300kbit";
    f.serviceId = "65535";
    f.locked = true;
    f.favourite = {false, true, false, false, false, false, false, false, true};
    ASSERT_TRUE(model.ok());
    const st_program& p = image().programs[2];
    EXPECT_EQ(nameText(p.name), "Bayern 3 Extra ");
    EXPECT_EQ(p.providerIndex, 0);
    EXPECT_EQ(p.tpIndex, 3);
    EXPECT_EQ(p.videoPid, 17);
    EXPECT_EQ(p.audioPid, 8190);
    EXPECT_EQ(p.pcrPid, 300);
    EXPECT_EQ(p.serviceId, 65535);
    EXPECT_EQ(p.programFlags, 0b110);
    EXPECT_EQ(test::entries(image().favourites[0]), (std::vector<int>{0}));
    EXPECT_EQ(test::entries(image().favourites[1]), (std::vector<int>{2}));
    EXPECT_EQ(test::entries(image().favourites[8]), (std::vector<int>{2}));
    EXPECT_EQ(image().providerCount, 3) << "an existing provider is chosen, none is created";
    EXPECT_EQ(test::brokenRule(image(), true), "");
}

TEST_F(ProgramDialog, EveryRefusedFieldShowsItsMessageAndChangesNothing) {
    using Change = std::function<void(ProgramFields&)>;
    const auto scpc = [this](Change change) {
        return [this, change](ProgramFields& f) {
            model.scpcClicked(true);
            f.videoPid = "100";
            f.audioPid = "101";
            f.pcrPid = "102";
            change(f);
        };
    };
    using F = DialogField;
    const struct {
        const char* what;
        Change change;
        const char* message;
        DialogField field;
    } cases[] = {
        {"video 16", scpc([](ProgramFields& f) { f.videoPid = "16"; }), "Video PID error!\nExpected digit 17..8190",
         F::VideoPid},
        {"video 8191", scpc([](ProgramFields& f) { f.videoPid = "8191"; }), "Video PID error!\nExpected digit 17..8190",
         F::VideoPid},
        {"video Auto", scpc([](ProgramFields& f) { f.videoPid = "Auto"; }), "PIDs for SCPC program can not be 'Auto'",
         F::VideoPid},
        {"video Reserved", scpc([](ProgramFields& f) { f.videoPid = "RESERVED"; }),
         "PIDs for SCPC program can not be 'Reserved'", F::VideoPid},
        {"audio Reserved", scpc([](ProgramFields& f) { f.audioPid = "reserved"; }),
         "Audio PID error!\nExpected digit 17..8190", F::AudioPid},
        {"audio auto", scpc([](ProgramFields& f) { f.audioPid = "auto"; }), "PIDs for SCPC program can not be 'Auto'",
         F::AudioPid},
        {"pcr empty", scpc([](ProgramFields& f) { f.pcrPid = ""; }), "PCR PID error!\nExpected digit 17..8190",
         F::PcrPid},
        {"pcr wraps", scpc([](ProgramFields& f) { f.pcrPid = "4294967396"; }),
         "PCR PID error!\nExpected digit 17..8190", F::PcrPid},
        {"service 65536", [](ProgramFields& f) { f.serviceId = "65536"; }, "Service ID error!\nExpected digit 0..65535",
         F::ServiceId},
        {"service -1", [](ProgramFields& f) { f.serviceId = "-1"; }, "Service ID error!\nExpected digit 0..65535",
         F::ServiceId},
        {"service none", [](ProgramFields& f) { f.serviceId = "x"; }, "Service ID error!\nExpected digit 0..65535",
         F::ServiceId},
        {"euro in name", [](ProgramFields& f) { f.name = "Euro \xE2\x82\xAC"; },
         "Channel name: the character '\xE2\x82\xAC' cannot be stored in the box's channel list.", F::Name},
        // A typed new provider followed by a refused field must not leave the provider behind.
        {"new provider, bad id",
         [](ProgramFields& f) {
             f.provider = "Brand New";
             f.serviceId = "70000";
         },
         "Service ID error!\nExpected digit 0..65535", F::ServiceId},
        {"empty provider", [](ProgramFields& f) { f.provider = ""; }, "Please enter a provider name.", F::Provider},
    };
    for (const auto& c : cases) {
        messages.clear();
        start(0, kProgramDialogEdit);
        c.change(model.fields);
        EXPECT_FALSE(model.ok()) << c.what;
        EXPECT_EQ(messages.texts(), Texts{c.message}) << c.what;
        EXPECT_EQ(model.refusedField(), c.field) << c.what;
        EXPECT_TRUE(unchanged()) << c.what;
    }
}

TEST_F(ProgramDialog, ScpcTogglesThePidFields) {
    ProgramFields& f = start(0, kProgramDialogEdit).fields;
    model.scpcClicked(true);
    EXPECT_TRUE(f.pidsEnabled);
    EXPECT_EQ(f.videoPid, "0");
    model.scpcClicked(false);
    EXPECT_FALSE(f.pidsEnabled);
    EXPECT_EQ(f.pcrPid, "Auto");
    f.pcrPid = "nonsense";
    EXPECT_TRUE(model.ok()) << "PIDs are not read without SCPC";
    EXPECT_EQ(image().programs[0].pcrPid, 0x7FFF);
}

TEST_F(ProgramDialog, AddPlacesTheProgramByItsClassAndGivesItsIndexBack) {
    const struct {
        int index;
        bool tv;
        int placed;
    } cases[] = {{1, false, 2}, {3, true, 0}, {-1, false, 2}, {0, true, 0}, {3, false, 3}};
    for (const auto& c : cases) {
        std::memcpy(&image(), before.get(), sizeof(all_tables_block));
        ProgramFields& f = start(c.index, kProgramDialogAdd).fields;
        EXPECT_TRUE(f.classEnabled);
        EXPECT_EQ(model.title(), "Programm hinzuf\xC3\xBCgen");
        EXPECT_TRUE(f.name.empty());
        f.tv = c.tv;
        f.radio = !c.tv;
        f.name = "Neu";
        f.provider = "ZDF";
        f.favourite[2] = true;
        ASSERT_TRUE(model.ok()) << c.index;
        EXPECT_EQ(state->addedProgramIndex, c.placed) << c.index;
        EXPECT_EQ(state->newProgramKind, -1);
        EXPECT_EQ(image().programCount, 5);
        EXPECT_EQ(image().tvCount, c.tv ? 3 : 2);
        EXPECT_EQ(nameText(image().programs[c.placed].name), "Neu");
        EXPECT_EQ(test::entries(image().favourites[2]), (std::vector<int>{c.placed}));
        EXPECT_EQ(test::brokenRule(image(), true), "") << c.index;
    }
}

TEST_F(ProgramDialog, ATypedNewProviderIsAppendedOnce) {
    ProgramFields& f = start(0, kProgramDialogAdd).fields;
    f.provider = "Sky Deutschland Extra";
    f.tv = true;
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(image().providerCount, 4);
    EXPECT_EQ(nameText(image().providers[3].name), "Sky Deutschland");
    EXPECT_EQ(image().programs[0].providerIndex, 3);
}

TEST_F(ProgramDialog, AddTakesSatelliteTransponderOrProviderFromTheTreeSelection) {
    const struct {
        const char* selected;
        const char* parent;
        int satellite, transponder;
        const char* provider;
    } cases[] = {
        {"11720(V)", "Astra", 0, 1, ""}, {"Hotbird", "Satellites", 1, 0, ""}, {"ZDF", "Providers", 0, 0, "ZDF"},
        {"Fav_2", "Favs", 0, 0, ""},     {"Providers", "", 0, 0, ""},         {"12500(H)", "Nowhere", 0, 0, ""},
    };
    for (const auto& c : cases) {
        state->browse.selectedText = c.selected;
        state->browse.parentText = c.parent;
        const ProgramFields& f = start(-1, kProgramDialogAdd).fields;
        EXPECT_EQ(f.satelliteSelection, c.satellite) << c.selected;
        EXPECT_EQ(f.transponderSelection, c.transponder) << c.selected;
        EXPECT_EQ(f.provider, c.provider) << c.selected;
    }
}

TEST_F(ProgramDialog, TheListsCategoryFixesTheClassOfANewProgram) {
    state->browse.viewMode = kViewRadioOnly | kViewWholeTable;
    EXPECT_TRUE(start(0, kProgramDialogAdd).fields.radio);
    EXPECT_FALSE(model.fields.classEnabled);
    state->browse.viewMode = kViewTvOnly | kViewWholeTable;
    EXPECT_TRUE(start(3, kProgramDialogAdd).fields.tv);
    EXPECT_FALSE(model.fields.classEnabled);
}

TEST_F(ProgramDialog, UncheckingEveryListRemovesTheProgramFromAll) {
    start(0, kProgramDialogEdit).fields.favourite = {};
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(test::entries(image().favourites[0]), (std::vector<int>{2}));
}

TEST_F(ProgramDialog, WhatTheImageWouldRefuseIsRefusedBeforeAnythingChanges) {
    // A satellite without transponders gives a new program nothing to be tuned to.
    start(0, kProgramDialogAdd);
    model.satelliteChanged(2);
    model.fields.provider = "New one";
    EXPECT_FALSE(model.ok());
    EXPECT_TRUE(unchanged());

    // A full list, a full provider table, a full program table.
    image().favourites[5].favCount = kMaxFavouriteEntries - 1;
    image().favourites[5].favTvCount = kMaxFavouriteEntries - 1;
    remember();
    start(2, kProgramDialogEdit).fields.favourite[5] = true;
    model.fields.provider = "New one";
    messages.clear();
    EXPECT_FALSE(model.ok());
    EXPECT_EQ(messages.texts(), Texts{"Favourite list Fav_6 is full."});
    EXPECT_TRUE(unchanged());

    image().providerCount = kMaxProviders;
    remember();
    start(2, kProgramDialogEdit).fields.provider = "New one";
    messages.clear();
    EXPECT_FALSE(model.ok());
    EXPECT_EQ(messages.texts(), Texts{"Provider table is full."});
    EXPECT_TRUE(unchanged());
}

TEST_F(ProgramDialog, APrepareWhoseReadFailsReportsAndDoesNotOpen) {
    image().programs[2].providerIndex = 40;
    image().programs[3].tpIndex = 300;
    const struct {
        int index, mode;
        const char* message;
    } cases[] = {
        {2, kProgramDialogEdit, "Error: 503->(-3)"},
        {3, kProgramDialogAdd, "Error: 502->(-3)"},
        {9, kProgramDialogEdit, "Error: 501->(-3)"},
        {-1, kProgramDialogEdit, "Error: 501->(-3)"},
    };
    for (const auto& c : cases) {
        messages.clear();
        EXPECT_NE(model.prepare(c.index, c.mode), 0);
        EXPECT_EQ(messages.texts(), Texts{c.message});
    }
    image().transponders[0].satId = 99;  // a transponder of no satellite
    messages.clear();
    EXPECT_NE(model.prepare(0, kProgramDialogEdit), 0);
    EXPECT_EQ(messages.texts(), Texts{"Error: 500->(-2)"});
}

}  // namespace
}  // namespace vizud
