// A random edit run: edits of every table and kind on a consistent image, undo and redo through the edit
// history, each step checked. The editing property test draws its choices from a seeded generator, the
// edit fuzz target from the fuzzer's bytes.
#pragma once

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <new>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "app/state_delta.h"
#include "database/image_access.h"
#include "dialogs/program_dialog_model.h"
#include "dialogs/satellite_dialog_model.h"
#include "tests/database/editing_checks.h"
#include "tests/support/database_fixture.h"
#include "tests/support/image_factory.h"

namespace vizud::test {

// The messages an edit may show, each between bars.
inline const std::string kEditTexts =
    "|Database is full.|Not enought free space in programs table|Select position!|Sat table if full"
    "|Can't put Radio program among TV program|Can't put TV program among Radio program"
    "|Can't put TV program among radio program.|Can't put radio program among TV program."
    "|Providers table is full!|Providers table is FULL!|Transponder table is full. Can't add next transponder!"
    "|Program table is full. Can't add program!|Favorite Table is full!|Favourite Table is full!"
    "|Select position to paste Your data!|Not enought free space in transponder table."
    "|Transponder with entered values exist|Provider table is full.|";

inline int pastedCount(const ProgramSnapshot* node) {
    int pasted = 0;
    for (; node != nullptr; node = node->next)
        pasted += static_cast<int>(node->pasted);
    return pasted;
}

// Where a run's choices come from: a seeded generator in the property test, the fuzzer's bytes in the
// edit fuzz target.
class Choices {
public:
    virtual ~Choices() = default;
    virtual int uniform(int lo, int hi) = 0;  // lo..hi, both included
    virtual std::uint32_t bits() = 0;
};

class SeededChoices : public Choices {
public:
    explicit SeededChoices(std::uint32_t seed) : m_rng(seed) {}
    int uniform(int lo, int hi) override { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }
    std::uint32_t bits() override { return static_cast<std::uint32_t>(m_rng()); }

private:
    std::mt19937 m_rng;
};

inline std::size_t imageHash(const all_tables_block& img) {
    return std::hash<std::string_view>{}(std::string_view(reinterpret_cast<const char*>(&img), kImageSize));
}

// Random edits of every table and kind, undo and redo of them through the edit history, each checked: the
// image stays consistent, a refused edit changes nothing, no byte outside the tables and counts moves,
// and an undo or redo gives back the exact image of that point of the history.
class EditRun {
public:
    // `name` starts every failure text (the seed, for a replay). `imageMaker`, when given, makes the
    // starting images (consistent ones); else they are random, now and then with a table near capacity.
    explicit EditRun(Choices& choices, std::string name = {},
                     std::function<void(all_tables_block&)> imageMaker = {})
        : m_choices(choices), m_name(std::move(name)), m_imageMaker(std::move(imageMaker)) {}

    // Returns "" or the description of the first failure. A new image every `newImageEvery` steps.
    std::string steps(int count, int newImageEvery = 250) {
        for (m_step = 0; m_step < count; ++m_step) {
            if (m_step % newImageEvery == 0 && !newImage())
                return "";
            const std::string failure = step();
            if (!failure.empty())
                return m_name + " step " + std::to_string(m_step) + " (" + m_what + "): " + failure;
        }
        return "";
    }

    // Each new image starts in the editor state of the last one, made afresh in place: a fuzzer runs a
    // short sequence per input, and a new 722 KB state per input would cost it most of its speed.
    void reuseState() { m_reuse = true; }

private:
    int uniform(int lo, int hi) { return m_choices.uniform(lo, hi); }
    bool chance(int percent) { return uniform(0, 99) < percent; }

    all_tables_block& img() { return m_fx->image(); }
    ChannelDatabase& db() { return m_fx->db; }
    EditorState& state() { return *m_fx->state; }

    // Mostly a valid index below `limit`, sometimes one just outside or far outside.
    int index(int limit) {
        const int kind = uniform(0, 12);
        const int outside[] = {-1, limit, limit + 1};
        if (kind < 3)
            return outside[kind];
        if (kind == 3)
            return uniform(0, 1) ? 20000 : 65535;
        if (kind == 4)
            return INT32_MAX;
        return limit > 0 ? uniform(0, limit - 1) : 0;
    }

    // False when the image maker gave an image that is not consistent.
    bool newImage() {
        if (m_reuse && m_fx) {
            EditorState& state = *m_fx->state;
            state.~EditorState();
            new (&state) EditorState();
            m_fx->messages.clear();
            m_fx->db.setLoaded(0);
        } else {
            m_fx = std::make_unique<test::DatabaseFixture>();
        }
        m_sorted = true;
        m_nextSatId = 256;
        if (m_imageMaker) {
            m_imageMaker(img());
            if (!test::brokenRule(img(), true).empty())
                return false;
            forgetHistory();
            return true;
        }
        std::mt19937 shapes(m_choices.bits());
        test::ImageShape shape = test::randomShape(shapes);
        // Now and then a table at or next to its capacity, so the full-table refusals are reached.
        const int near = uniform(0, 9);
        if (near == 0)
            shape.programs = uniform(19990, 20000), shape.tv = shape.programs / 2;
        if (near == 1)
            shape.satellites = uniform(198, 200);
        if (near == 2)
            shape.providers = uniform(398, 400), shape.unusedProviders = 0;
        if (near == 3)
            shape.transponders = uniform(2995, 3000);
        if (near == 4)
            shape.favouriteEntries = uniform(190, 400);
        do {
            test::makeImage(img(), m_choices.bits(), shape);
        } while (!test::brokenRule(img(), true).empty());
        forgetHistory();
        return true;
    }

    // The history starts afresh: after a new image, and after a cut or copy (the editor's history hears
    // of those from the list, which this run does not play).
    void forgetHistory() {
        m_shadow.reset(state());
        m_history.clear();
        m_hashes = {imageHash(img())};
        m_at = 0;
    }

    // An edit that changed something becomes a step of the history, dropping the steps undone before it.
    void remember() {
        StateDelta delta = StateDelta::record(m_shadow, state());
        if (delta.empty())
            return;
        m_history.resize(m_at);
        m_hashes.resize(m_at + 1);
        m_history.push_back(std::move(delta));
        m_hashes.push_back(imageHash(img()));
        ++m_at;
    }

    std::string undoRedo(bool undo) {
        m_what = undo ? "undo" : "redo";
        if (undo ? m_at == 0 : m_at == m_history.size())
            return "";
        m_history[undo ? m_at - 1 : m_at].exchange(m_shadow, state());
        m_at = undo ? m_at - 1 : m_at + 1;
        if (imageHash(img()) != m_hashes[m_at])
            return "the image is not the one of history point " + std::to_string(m_at);
        return test::brokenRule(img(), m_sorted);
    }

    std::string step() {
        const int op = uniform(0, 27);
        if (op >= 22 && op <= 25)
            return undoRedo(op <= 23);
        const std::string failure = editStep(op);
        if (!failure.empty())
            return failure;
        if (op == 4)
            forgetHistory();
        else
            remember();
        return "";
    }

    RecordView programView(char* name) {
        RecordView view;
        view.word[0] = static_cast<std::uint32_t>(uniform(0, 65535));
        view.word[1] = static_cast<std::uint32_t>(uniform(0, std::max(0, img().providerCount - 1)));
        view.word[2] = static_cast<std::uint32_t>(uniform(0, std::max(0, img().tpCount - 1)));
        view.word[3] = static_cast<std::uint32_t>(uniform(17, 8191));
        view.word[4] = static_cast<std::uint32_t>(uniform(17, 8190));
        view.word[5] = 0x7FFF;
        view.word[6] = static_cast<std::uint32_t>(uniform(0, 0x27));
        std::snprintf(name, 24, "Prog %d", uniform(0, 99999));
        view.word16 = name;
        return view;
    }

    void randomMode() {
        BrowseState& browse = state().browse;
        const std::uint32_t category = 1u << uniform(0, 2);
        const int kind = uniform(0, 3);
        browse.selectedText = kind == 1 ? "Favs" : "Providers";
        browse.viewMode = category | (kind <= 1 ? kViewWholeTable : 1u << (kViewFirstFavouriteBit + uniform(0, 8)));
    }

    std::string editStep(int op) {
        std::memcpy(m_before.get(), &img(), kImageSize);
        const all_tables_block& before = *m_before;
        m_fx->messages.clear();
        bool refused = false;  // nothing may change
        if ((img().providerCount == 0 || img().tpCount == 0) && op <= 2)
            op = 3;
        m_what = "operation " + std::to_string(op);
        char name[24];
        RecordView view;
        switch (op) {
            case 0:
                view = programView(name);
                refused = db().modifyRecord(kTablePrograms, kOpUpdate, index(img().programCount), view) != 0;
                break;
            case 1:
                view = programView(name);
                state().newProgramKind = uniform(-1, 1);
                refused = db().modifyRecord(kTablePrograms, kOpInsert, index(img().programCount + 1), view) != 0;
                break;
            case 2:
                state().dragActive = 0;
                refused = db().modifyRecord(kTablePrograms, kOpDelete, index(img().programCount), view) != 0;
                break;
            case 3: {
                randomMode();
                std::uint32_t mask = 0;
                const int p = index(img().programCount);
                db().getFavMembership(p, mask);
                refused = db().deleteInView(p, mask) != 0;
                break;
            }
            case 4:
                return cutOrCopy(before);
            case 26:
                return programDialog(before);
            case 27:
                return satelliteDialog(before);
            case 5:
            case 6:
                return pasteClipboard(before);
            case 7:
            case 8:
                return pasteSnapshots(before);
            case 9:
            case 10:
                return pasteSnapshots(before);
            case 11:
                refused = setSatellite() != 0;
                break;
            case 12:
            case 13:
                refused = transponderEdit() != 0;
                break;
            case 14: {
                view.word16 = "Prov";
                const int operation = uniform(0, 1) ? kOpUpdate : kOpInsert;
                refused = db().modifyRecord(kTableProviders, operation, index(img().providerCount + 1), view) != 0;
                break;
            }
            case 15:
            case 16: {
                view.word[1] = static_cast<std::uint32_t>(index(img().programCount));
                view.word16 = "List name longer than sixteen";
                const int operation = kOpUpdate + uniform(0, 2);
                refused = db().modifyRecord(kTableFavourites, operation, index(kFavouriteLists), view) != 0;
                break;
            }
            case 17:
                view.word[0] = static_cast<std::uint32_t>(index(kFavouriteLists));
                view.word[1] = uniform(0, 1);
                refused = db().modifyRecord(kTablePrograms, kOpRemoveListEntry, index(400), view) != 0;
                break;
            case 20: {
                st_sat sat{};
                std::memcpy(sat.name, "Added satellite", 15);
                sat.tpCount = 7;  // the new satellite has no transponders, whatever it is given
                const int added = db().addSatellite(sat);
                refused = added < 0;
                if (!refused && (img().satellites[added].tpCount != 0 || added != before.satCount))
                    return "an added satellite is not the last one or has transponders";
                break;
            }
            case 21:
                refused = db().deleteSatellite(index(img().satCount)) != 0;
                break;
            default: {
                randomMode();
                std::vector<int> rows(static_cast<std::size_t>(uniform(0, 8)));
                for (int& row : rows)
                    row = index(img().programCount);
                std::sort(rows.rbegin(), rows.rend());
                db().deleteInViewMany(rows);
                break;
            }
        }
        return checkAfter(before, refused);
    }

    // A field's text as a user might type it: digits, signs, blanks, letters, a Latin-1 letter, a
    // character Latin-1 cannot hold, a control byte.
    std::string typed(int maxLength) {
        static const char* const pieces[] = {"0", "1", "5", "9", "12", " ", "-", "+", ",", ".", "x", "E", "W",
                                             "\xc3\xa9", "\xe2\x82\xac", "\x01", "65536", "4294967296"};
        std::string text;
        for (int n = uniform(0, maxLength); n > 0; --n)
            text += pieces[uniform(0, static_cast<int>(std::size(pieces)) - 1)];
        return text;
    }

    // After a dialog's OK: a refused OK changed nothing; a stored one kept every rule. (The dialogs' own
    // messages are theirs to choose, and a stored satellite refreshes the CRC.)
    std::string checkDialog(const all_tables_block& before, bool stored) {
        if (!stored && test::firstDifference(before, img()) >= 0)
            return "a refused OK changed byte " + std::to_string(test::firstDifference(before, img())) + " (" +
                   (m_fx->messages.shown.empty() ? "no message" : "\"" + m_fx->messages.shown.back().text + "\"") +
                   ")";
        m_before->imageCrc = img().imageCrc;
        const std::string failure = test::untouchedBytesDiffer(*m_before, img());
        return failure.empty() ? test::brokenRule(img(), m_sorted) : failure;
    }

    // The program dialog, to edit a program or add one, with typed fields and chosen entries.
    std::string programDialog(const all_tables_block& before) {
        ProgramDialogModel model(db(), m_fx->messages);
        const bool add = chance(50);
        m_what = add ? "program dialog: add" : "program dialog: edit";
        if (model.prepare(index(img().programCount), add ? kProgramDialogAdd : kProgramDialogEdit) != 0)
            return checkDialog(before, false);
        model.open();
        ProgramFields& f = model.fields;
        if (chance(50))
            f.name = typed(20);
        if (chance(30))
            f.provider = typed(18);
        if (chance(30) && !model.satellites().empty())
            model.satelliteChanged(uniform(0, static_cast<int>(model.satellites().size()) - 1));
        if (chance(30))
            f.transponderSelection = uniform(-1, static_cast<int>(model.transponders().size()));
        if (chance(40))
            model.scpcClicked(!f.scpc);
        // What the form lets a user change: the PIDs only while enabled, the class only where it is.
        for (std::string* pid : {&f.videoPid, &f.audioPid, &f.pcrPid})
            if (f.pidsEnabled && chance(25))
                *pid = typed(6);
        if (chance(25))
            f.serviceId = typed(6);
        if (f.classEnabled && chance(30))
            f.tv = !f.tv, f.radio = !f.tv;
        for (bool& member : f.favourite)
            if (chance(10))
                member = !member;
        return checkDialog(before, model.ok());
    }

    std::string satelliteDialog(const all_tables_block& before) {
        SatelliteDialogModel model(db(), m_fx->messages);
        m_what = "satellite dialog";
        if (model.prepareAt(index(img().satCount)) != 0)
            return checkDialog(before, false);
        model.open();
        SatelliteFields& f = model.fields;
        if (chance(40))
            f.name = typed(18);
        if (chance(50))
            f.degree = typed(6);
        if (chance(30))
            f.eastWest.text = typed(2);
        if (chance(30))
            f.lowerLo.text = typed(6);
        if (chance(30))
            f.positionerNo = typed(4);
        f.diseqcMode = uniform(0, 6);
        return checkDialog(before, model.ok());
    }

    std::string checkAfter(const all_tables_block& before, bool refused) {
        for (const auto& shown : m_fx->messages.shown) {
            if (kEditTexts.find("|" + shown.text + "|") == std::string::npos)
                return "unknown message \"" + shown.text + "\"";
            if (shown.icon != MessageIcon::None)
                return "message with an icon";
        }
        if (refused && test::firstDifference(before, img()) >= 0)
            return "a refused operation changed byte " + std::to_string(test::firstDifference(before, img()));
        const std::string failure = test::untouchedBytesDiffer(before, img());
        return failure.empty() ? test::brokenRule(img(), m_sorted) : failure;
    }

    std::vector<int> randomRows(int lo, int hi, int most) {
        std::vector<int> rows;
        for (int s = lo; s < hi && static_cast<int>(rows.size()) < most; ++s) {
            if (chance(30))
                rows.push_back(s);
        }
        return rows;
    }

    // The list's Copy and Cut: nodes for the selected rows, then (Cut) the rows deleted highest first.
    std::string cutOrCopy(const all_tables_block& before) {
        randomMode();
        const std::uint32_t mode = state().browse.viewMode;
        const bool cut = chance(50);
        const bool whole = (mode & kViewWholeTable) != 0;
        std::vector<int> programs;
        if (whole) {
            programs = randomRows(0, img().programCount, 12);
        } else {
            const st_fav& list = img().favourites[std::countr_zero(mode >> kViewFirstFavouriteBit)];
            for (const int s : randomRows(0, list.favCount, 12))
                programs.push_back(list.favEntries[s]);
        }
        freeSnapshotList(state().programClipboard);
        ProgramSnapshot** link = &state().programClipboard;
        for (const int p : programs) {
            auto* node = new ProgramSnapshot;
            node->programIndex = p;
            node->pasted = 1;
            db().getClipSnapshot(p, *node);
            if (cut && whole && state().browse.selectedText != "Favs")
                node->programIndex = -1;
            *link = node;
            link = &node->next;
        }
        const std::vector<int> descending(programs.rbegin(), programs.rend());
        if (cut && chance(50)) {
            db().deleteInViewMany(descending);
        } else if (cut) {
            for (const int p : descending) {
                std::uint32_t mask = 0;
                db().getFavMembership(p, mask);
                db().deleteInView(p, mask);
            }
        }
        return checkAfter(before, false);
    }

    std::string pasteClipboard(const all_tables_block& before) {
        randomMode();
        const std::uint32_t mode = state().browse.viewMode;
        int target = index(img().programCount + 1);
        if (!(mode & kViewWholeTable)) {
            const st_fav& list = img().favourites[std::countr_zero(mode >> kViewFirstFavouriteBit)];
            target = chance(10) ? -1 : index(list.favCount + 1);
            if ((mode & kViewRadioOnly) && target >= 0 && target <= 0xFFFF)
                target += list.favTvCount;
        }
        if (db().checkPastePosition(target) == 0)
            return checkAfter(before, true);
        const int programsBefore = img().programCount;
        state().pasteActive = 1;
        const int result = db().pasteClipboard(target);
        state().pasteActive = 0;
        const int pasted = pastedCount(state().programClipboard);
        if (result != 0 && pasted == 0 && test::firstDifference(before, img()) >= 0)
            return "a refused paste changed the image";
        if ((mode & kViewWholeTable) && img().programCount - programsBefore != pasted)
            return "pasted flags disagree with the programs added";
        return checkAfter(before, false);
    }

    ProgramSnapshot randomNode() {
        ProgramSnapshot node;
        const int p = img().programCount > 0 ? uniform(0, img().programCount - 1) : -1;
        if (p < 0 || db().getProgramSnapshot(0, p, node) != 0) {
            node = ProgramSnapshot{};
            node.satId = static_cast<std::uint16_t>(m_nextSatId++);
        }
        node.isTv = p >= 0 && p < img().tvCount ? 1 : 0;
        node.programIndex = chance(50) ? p : -1;
        if (chance(20))
            node.satId = static_cast<std::uint16_t>(m_nextSatId++);
        if (chance(20))
            std::snprintf(node.providerName, 16, "NewProv %d", uniform(0, 999));
        if (chance(20)) {
            node.tpSatId = static_cast<std::uint8_t>(uniform(0, 255));
            node.frequency = static_cast<std::uint16_t>(uniform(10700, 12750));
        }
        if (chance(10))
            node.isTv = 1 - node.isTv;
        return node;
    }

    std::string pasteSnapshots(const all_tables_block& before) {
        test::SnapshotList nodes;
        for (int i = uniform(0, 6); i > 0; --i)
            nodes.append(randomNode());
        if (chance(80))
            nodes.putTvFirst();  // as the list always does
        state().dragActive = 0;
        const bool toList = chance(50);
        const int list = toList ? index(kFavouriteLists) : -1;
        const bool listInRange = list >= 0 && list < kFavouriteLists;
        const std::uint32_t mode =
            (1u << uniform(0, 2)) | (toList ? 1u << (kViewFirstFavouriteBit + 1) : kViewWholeTable);
        const int entriesBefore = listInRange ? img().favourites[list].favCount : 0;
        const int position =
            toList ? (chance(20) ? -1 : index(entriesBefore + 1)) : (chance(5) ? -1 : index(img().programCount + 1));
        const int programsBefore = img().programCount;
        const int table = toList ? kTableFavourites : kTablePrograms;
        const int result = chance(50) ? db().pasteSnapshots(table, list, position, nodes.head(), mode)
                                      : db().pasteSnapshotsBatch(table, list, position, nodes.head(), mode);
        const int pasted = pastedCount(nodes.head());
        // (A list's paste looks up the satellite, provider and transponder of a node even when its program is
        // already in the list and the entry is not added, so there only the program table must stay.)
        if (pasted == 0 && result != 0 && !toList && test::firstDifference(before, img()) >= 0)
            return "a paste that placed nothing changed the image";
        if (!toList && img().programCount - programsBefore != pasted)
            return "pasted flags disagree (501)";
        if (listInRange && img().favourites[list].favCount - entriesBefore != pasted)
            return "pasted flags disagree (504)";
        if (img().tpCount > before.tpCount)
            m_sorted = false;
        return checkAfter(before, false);
    }

    int setSatellite() {
        RecordView view;
        const int i = index(img().satCount + 1);
        if (i >= 0 && i < img().satCount) {
            db().getRecord(kTableSatellites, i, view);
        } else {
            view.word[0] = static_cast<std::uint32_t>(m_nextSatId++);
        }
        view.word[7] = static_cast<std::uint32_t>(uniform(0, 1));
        view.word[8] = static_cast<std::uint32_t>(chance(50) ? 0 : uniform(1, 199));
        view.word16 = "Satellite renamed!";
        return db().setSatellite(i, view);
    }

    int transponderEdit() {
        RecordView view;
        const int operation = kOpUpdate + uniform(0, 2);
        const int t = index(img().tpCount);
        if (t >= 0 && t < img().tpCount)
            db().getRecord(kTableTransponders, t, view);
        if (img().satCount > 0 && chance(50)) {
            const int s = uniform(0, img().satCount - 1);
            if (img().satellites[s].satId <= 255)
                view.word[0] = img().satellites[s].satId;
        }
        if (chance(70))
            view.word[7] = static_cast<std::uint32_t>(uniform(10700, 12750));
        return db().modifyRecord(kTableTransponders, operation, t, view);
    }

    Choices& m_choices;
    std::string m_name;
    std::function<void(all_tables_block&)> m_imageMaker;
    std::unique_ptr<test::DatabaseFixture> m_fx;
    EditorShadow m_shadow;
    std::vector<StateDelta> m_history;
    std::vector<std::size_t> m_hashes;  // the image at each point of the history
    std::size_t m_at = 0;               // the point the live state is at
    std::unique_ptr<all_tables_block> m_before = std::make_unique<all_tables_block>();
    int m_step = 0;
    std::string m_what;
    bool m_sorted = true;
    int m_nextSatId = 256;
    bool m_reuse = false;
};

}  // namespace vizud::test
