// The program dialog's model: what it shows for a program, what OK stores, every refusal leaving the
// image as it was, and the add mode's placement and preselection from the tree.
#include <cstring>
#include <tuple>

#include "database/image_access.h"
#include "dialogs/program_dialog_model.h"
#include "tests/database/editing_checks.h"
#include "tests/dialogs/dialog_fixture.h"

namespace vizud {
namespace {

using test::Texts;
using ProgramDialog = test::ModelFixture<ProgramDialogModel>;

// Edit shows the record and OK without changes stores the same bytes; OK stores every field and the nine list
// memberships.
TEST_F(ProgramDialog, EditShowsTheRecordAndOkStoresEveryField) {
    test::setName(image().satellites[1].name, "\5Hotbird");
    test::setName(image().favourites[8].favName, "\5Fav_9");
    image().programs[1].programFlags |= 1u << 2;  // locked: shown ticked, so OK keeps the lock
    st_fav beyond{};  // the bytes just before the lists, as if they held one naming program 1: not a list
    beyond.favCount = beyond.favEntries[0] = 1;
    std::memcpy(reinterpret_cast<char*>(image().favourites) - sizeof beyond, &beyond, sizeof beyond);
    db.updateChecksum();
    remember();
    ProgramFields& f = start(1, kProgramDialogEdit);
    // Every name is shown without its table byte, as the list shows it.
    EXPECT_EQ(std::tuple(f.name, f.provider, model.satellites()[1].text, f.serviceId, f.favouriteNames[8]),
              std::tuple("News", "News", "Hotbird", "17", "Fav_9"));
    EXPECT_EQ(std::tuple(f.satelliteSelection, model.transponders().size(), f.transponderSelection),
              std::tuple(1, 1u, 0));
    EXPECT_EQ(std::tuple(f.tv, f.classEnabled, f.pidsEnabled), std::tuple(true, false, false));
    EXPECT_EQ(f.favourite, (std::array<bool, 9>{false, false, false, true}));
    // SCPC turned on and off again sets the PID fields and leaves them unread.
    model.scpcClicked(true);
    EXPECT_EQ(std::tuple(f.pidsEnabled, f.videoPid, f.audioPid, f.pcrPid), std::tuple(true, "0", "0", "0"));
    model.scpcClicked(false);
    EXPECT_EQ(std::tuple(f.pidsEnabled, f.videoPid, f.audioPid, f.pcrPid), std::tuple(false, "Auto", "Auto", "Auto"));
    f.pcrPid = "nonsense";
    ASSERT_TRUE(model.ok());
    EXPECT_TRUE(unchanged());
    EXPECT_EQ(state->addedProgramIndex, 1);
    EXPECT_EQ(state->newProgramKind, -1) << "an edit leaves no kind behind for the next insert";
    EXPECT_EQ(start(0, kProgramDialogEdit).provider, "ARD") << "the first provider of the list";
    start(2, kProgramDialogEdit);  // the same fields, now Bayern 3's
    EXPECT_EQ(std::tuple(f.tv, f.radio, f.locked), std::tuple(false, true, false));
    f.name = "Bayern 3 Extra Long Name";
    model.satelliteChanged(1);
    f.provider = "ARD";
    model.scpcClicked(true);
    f.videoPid = "17";
    f.audioPid = "8190";
    f.pcrPid = " 300kbit";
    f.serviceId = "65535";
    f.locked = true;
    f.favourite = {false, true, false, false, false, false, false, false, true};  // and out of list 1
    ASSERT_TRUE(model.ok());
    const st_program& p = image().programs[2];
    EXPECT_EQ(nameText(p.name), "Bayern 3 Extra ");
    EXPECT_EQ(std::tuple(p.providerIndex, p.tpIndex, p.videoPid, p.audioPid, p.pcrPid, p.serviceId, p.programFlags),
              std::tuple(0, 3, 17, 8190, 300, 65535, 0b110));
    EXPECT_EQ(test::entries(image().favourites[0]), (std::vector<int>{0}));
    EXPECT_EQ(test::entries(image().favourites[1]), (std::vector<int>{2}));
    EXPECT_EQ(test::entries(image().favourites[8]), (std::vector<int>{2}));
    EXPECT_EQ(image().providerCount, 3) << "an existing provider is chosen, none is created";
}

// Every field OK refuses, with its message and field, before anything changed: not even the new provider typed
// with it is left behind (SCPC is on, with valid PIDs, for every row).
TEST_F(ProgramDialog, EveryRefusedFieldShowsItsMessageAndChangesNothing) {
    using P = ProgramFields;
    using F = DialogField;
    const std::string pid = " PID error!\nExpected digit 17..8190", notAuto = "PIDs for SCPC program can not be 'Auto'";
    const std::string service = "Service ID error!\nExpected digit 0..65535";
    const struct {
        std::string P::*field;
        const char* value;
        std::string message;
        DialogField refused;
    } cases[] = {
        {&P::videoPid, "16", "Video" + pid, F::VideoPid},
        {&P::videoPid, "8191", "Video" + pid, F::VideoPid},
        {&P::videoPid, "Auto", notAuto, F::VideoPid},
        {&P::videoPid, "RESERVED", "PIDs for SCPC program can not be 'Reserved'", F::VideoPid},
        {&P::audioPid, "reserved", "Audio" + pid, F::AudioPid},
        {&P::audioPid, "auto", notAuto, F::AudioPid},
        {&P::pcrPid, "", "PCR" + pid, F::PcrPid},
        {&P::pcrPid, "4294967396", "PCR" + pid, F::PcrPid},
        {&P::serviceId, "65536", service, F::ServiceId},
        {&P::serviceId, "-1", service, F::ServiceId},
        {&P::serviceId, "x", service, F::ServiceId},
        {&P::name, "Euro \xE2\x82\xAC",
         "Channel name: the character '\xE2\x82\xAC' cannot be stored in the box's channel list.", F::Name},
        {&P::provider, "", "Please enter a provider name.", F::Provider},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        reset();
        ProgramFields& f = start(0, kProgramDialogEdit);
        model.scpcClicked(true);
        f.videoPid = "100", f.audioPid = "101", f.pcrPid = "102", f.provider = "Brand New";
        f.*c.field = c.value;
        expectOk(c.message, c.refused);
    }
}

// What the image cannot take is refused the same way (for Bayern 3: program 0 would seem to be in the
// lists made full here already).
TEST_F(ProgramDialog, AFullTableOrListOrASatelliteWithoutTranspondersIsRefused) {
    const struct {
        const char* message;
        DialogField refused;
        int mode, satellite = -1, favourite = -1;
        void (*setup)(all_tables_block&) = [](all_tables_block&) {};
    } cases[] = {
        {"The chosen satellite has no transponder.\nAdd a transponder to it first.", DialogField::Transponder,
         kProgramDialogAdd, 2},
        {"Favourite list Fav_6 is full.", DialogField::Favourites, kProgramDialogEdit, -1, 5,
         [](all_tables_block& img) { img.favourites[5].favCount = img.favourites[5].favTvCount = 399; }},
        {"Provider table is full.", DialogField::Provider, kProgramDialogEdit, -1, -1,
         [](all_tables_block& img) { img.providerCount = kMaxProviders; }},
        {"Database is full.", DialogField::None, kProgramDialogAdd, -1, -1,
         [](all_tables_block& img) { img.programCount = kMaxPrograms; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        reset();
        c.setup(image());
        remember();
        start(2, c.mode).provider = c.mode == kProgramDialogAdd ? "ZDF" : "New one";
        if (c.satellite >= 0)
            model.satelliteChanged(c.satellite);
        if (c.favourite >= 0)
            model.fields.favourite[static_cast<std::size_t>(c.favourite)] = true;
        expectOk(c.message, c.refused);
    }
}

// A new program goes where its class says, with an existing provider or a typed one appended once.
TEST_F(ProgramDialog, AddPlacesTheProgramByItsClassAndGivesItsIndexBack) {
    const struct {
        int index;
        bool tv;
        int placed;
        const char *provider, *stored;
        int providerIndex, providers;
    } cases[] = {{1, false, 2, "ZDF", "ZDF", 1, 3},
                 {3, true, 0, "ZDF", "ZDF", 1, 3},
                 {2, true, 0, "ZDF", "ZDF", 1, 3},  // on the first radio row: a TV program goes to the top
                 {-1, false, 2, "Sky Deutschland Extra", "Sky Deutschland", 3, 4},
                 {0, true, 0, "ZDF", "ZDF", 1, 3},
                 {3, false, 3, "ZDF", "ZDF", 1, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        reset();
        ProgramFields& f = start(c.index, kProgramDialogAdd);
        EXPECT_EQ(std::tuple(f.classEnabled, f.name, f.radio), std::tuple(true, "", !f.tv)) << "one class is chosen";
        f.tv = c.tv;
        f.radio = !c.tv;
        f.name = "Neu";
        f.provider = c.provider;
        f.favourite[2] = true;
        ASSERT_TRUE(model.ok());
        EXPECT_EQ(std::tuple(state->addedProgramIndex, state->newProgramKind, image().programCount, image().tvCount),
                  std::tuple(c.placed, -1, 5, c.tv ? 3 : 2));
        const st_program& p = image().programs[c.placed];
        EXPECT_EQ(std::tuple(nameText(p.name), p.providerIndex, image().providerCount),
                  std::tuple("Neu", c.providerIndex, c.providers));
        EXPECT_EQ(nameText(image().providers[c.providerIndex].name), c.stored);
        EXPECT_EQ(test::entries(image().favourites[2]), (std::vector<int>{c.placed}));
    }
}

TEST_F(ProgramDialog, AddTakesSatelliteTransponderOrProviderFromTheTreeSelection) {
    const struct {
        const char *selected, *parent;
        int satellite, transponder;
        const char* provider;
    } cases[] = {
        {"11720(V)", "Astra", 0, 1, ""}, {"Hotbird", "Satellites", 1, 0, ""}, {"\x05News", "Providers", 0, 0, "News"},
        {"Fav_2", "Favs", 0, 0, ""},     {"Providers", "", 0, 0, ""},         {"12500(H)", "Nowhere", 0, 0, ""},
    };
    for (const auto& c : cases) {
        state->browse.selectedText = c.selected;
        state->browse.parentText = c.parent;
        const ProgramFields& f = start(-1, kProgramDialogAdd);
        EXPECT_EQ(std::tuple(f.satelliteSelection, f.transponderSelection, f.provider),
                  std::tuple(c.satellite, c.transponder, c.provider))
            << c.selected;
    }
    // The list's category fixes the class of a new program.
    state->browse.viewMode = kViewRadioOnly | kViewWholeTable;
    start(0, kProgramDialogAdd);
    EXPECT_EQ(std::tuple(model.fields.radio, model.fields.classEnabled), std::tuple(true, false));
    state->browse.viewMode = kViewTvOnly | kViewWholeTable;
    start(3, kProgramDialogAdd);
    EXPECT_EQ(std::tuple(model.fields.tv, model.fields.classEnabled), std::tuple(true, false));
}

TEST_F(ProgramDialog, APrepareWhoseReadFailsReportsAndDoesNotOpen) {
    image().programs[2].providerIndex = 40;
    image().programs[3].tpIndex = 300;
    image().transponders[0].satId = 99;  // a transponder of no satellite
    const struct {
        int index, mode;
        const char* message;
    } cases[] = {
        {2, kProgramDialogEdit, "Error: 503->(-3)"}, {3, kProgramDialogAdd, "Error: 502->(-3)"},
        {9, kProgramDialogEdit, "Error: 501->(-3)"}, {-1, kProgramDialogEdit, "Error: 501->(-3)"},
        {0, kProgramDialogEdit, "Error: 500->(-2)"},
    };
    for (const auto& c : cases) {
        messages.clear();
        EXPECT_NE(model.prepare(c.index, c.mode), 0);
        EXPECT_EQ(messages.texts(), Texts{c.message});
    }
}

}  // namespace
}  // namespace vizud
