// A random edit run, each step checked; the property test draws its choices from a seed, the edit fuzz
// target from the fuzzer's bytes.
#pragma once

#include <algorithm>
#include <bit>
#include <climits>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <new>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "app/state_delta.h"
#include "database/image_access.h"
#include "dialogs/program_dialog_model.h"
#include "dialogs/satellite_dialog_model.h"
#include "dialogs/transponder_delete_model.h"
#include "tests/database/editing_checks.h"
#include "tests/support/database_fixture.h"
#include "tests/support/image_factory.h"
#include "tests/support/reference_walks.h"

namespace vizud::test {

// A program apart from its table references (a snapshot paste may resolve them to equal ones elsewhere).
inline std::string programContent(const st_program& prog) {
    return nameText(prog.name) + "|" + std::to_string(prog.serviceId) + "|" + std::to_string(prog.videoPid) + "|" +
           std::to_string(prog.audioPid) + "|" + std::to_string(prog.pcrPid) + "|" + std::to_string(prog.programFlags);
}

inline std::vector<std::string> listContent(const all_tables_block& img, int list) {
    std::vector<std::string> out;
    for (const int e : test::entries(img.favourites[list]))
        out.push_back(programContent(img.programs[e]));
    return out;
}

inline int pastedCount(const ProgramSnapshot* node) {
    int pasted = 0;
    for (; node != nullptr; node = node->next)
        pasted += static_cast<int>(node->pasted);
    return pasted;
}

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

// Random edits of every table and kind, the program and satellite dialogs' OK, undo and redo: the image
// stays consistent, a refused edit changes nothing, a batch form leaves what its per-row sequence leaves,
// an undo or redo gives back the exact state of its point of the history.
class EditRun {
public:
    // `name` starts every failure text; `imageMaker`, when given, makes the (consistent) starting images.
    explicit EditRun(Choices& choices, std::string name = {}, std::function<void(all_tables_block&)> imageMaker = {})
        : m_choices(choices), m_name(std::move(name)), m_imageMaker(std::move(imageMaker)) {}

    // Returns "" or the description of the first failure. A new image every `newImageEvery` steps, after
    // the last one's whole history was walked back and forth.
    std::string steps(int count, int newImageEvery = 250) {
        for (int step = 0; step < count; ++step) {
            const bool fresh = step % newImageEvery == 0;
            std::string failure = fresh && step > 0 ? wholeHistory() : "";
            if (failure.empty() && fresh && !newImage())
                return "";
            failure = failure.empty() ? this->step() : failure;
            if (!failure.empty())
                return m_name + " step " + std::to_string(step) + " (" + m_what + "): " + failure;
        }
        return "";
    }

    // Each new image reuses the last editor states, made afresh in place: a fuzzer's inputs are short.
    void reuseState() { m_reuse = true; }

    std::map<std::string, int> compared;  // how often each batch form was compared, or the history used

private:
    int uniform(int lo, int hi) { return m_choices.uniform(lo, hi); }
    bool chance(int percent) { return uniform(0, 99) < percent; }
    std::uint32_t word(int lo, int hi) { return static_cast<std::uint32_t>(uniform(lo, hi)); }

    all_tables_block& img() { return m_fx->image(); }
    ChannelDatabase& db() { return m_fx->db; }
    EditorState& state() { return *m_fx->state; }

    // Mostly a valid index below `limit`, sometimes one just outside or far outside.
    int index(int limit) {
        const int kind = uniform(0, 13);
        const int outside[] = {-1, limit, limit + 1, 20000, 65535, INT32_MAX};
        return kind < 6 ? outside[kind] : limit > 0 ? uniform(0, limit - 1) : 0;
    }

    void freshFixture(std::unique_ptr<test::DatabaseFixture>& fx) {
        if (m_reuse && fx) {
            EditorState& state = *fx->state;
            state.~EditorState();
            new (&state) EditorState();
            fx->messages.clear();
            fx->db.setLoaded(0);
        } else {
            fx = std::make_unique<test::DatabaseFixture>();
        }
    }

    // False when the image maker gave an image that is not consistent.
    bool newImage() {
        freshFixture(m_fx);
        freshFixture(m_twin);
        m_sorted = true;
        m_nextSatId = 256;
        if (m_imageMaker) {
            m_imageMaker(img());
            if (!test::brokenRule(img(), true).empty())
                return false;
        } else {
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
            test::makeImage(img(), m_choices.bits(), shape);
        }
        m_shadow.reset(state());
        m_history.clear();
        m_hashes = {stateHash(state())};
        m_at = 0;
        return true;
    }

    // An edit that changed something becomes a step of the history, dropping the steps undone before it;
    // now and then it joins the step before. A step keeps the image blocks that changed, no others.
    std::string remember() {
        std::size_t changed = 0;
        for (std::size_t at = 0; at < kImageSize; at += StateDelta::kBlock) {
            const std::size_t length = std::min(StateDelta::kBlock, kImageSize - at);
            changed += std::memcmp(reinterpret_cast<const char*>(&m_shadow.image()) + at,
                                   reinterpret_cast<const char*>(&img()) + at, length) != 0;
        }
        StateDelta delta = StateDelta::record(m_shadow, state());
        if (delta.bytes() > (2 * changed + 16) * StateDelta::kBlock)
            return "the step keeps " + std::to_string(delta.bytes()) + " bytes for " + std::to_string(changed) +
                   " changed blocks";
        if (delta.empty())
            return "";
        m_history.resize(m_at);
        m_hashes.resize(m_at + 1);
        if (m_at > 0 && chance(25) && m_history.back().absorb(delta)) {
            ++compared["absorb"];
            m_hashes.back() = stateHash(state());
            return "";
        }
        m_history.push_back(std::move(delta));
        m_hashes.push_back(stateHash(state()));
        ++m_at;
        return "";
    }

    // A copy replaces the clipboard outside the history: the steps either side keep the list it replaces.
    void copied(const std::function<void()>& fill) {
        for (const std::size_t s : {m_at - 1, m_at}) {
            if (s < m_history.size())
                m_history[s].keepClipboard(state().programClipboard, m_shadow.listId());
        }
        fill();
        m_shadow.clipboardChanged(state());
        m_hashes[m_at] = stateHash(state());
        ++compared["copy"];
    }

    std::string undoRedo(bool undo) {
        m_what = undo ? "undo" : "redo";
        if (undo ? m_at == 0 : m_at == m_history.size())
            return "";
        m_history[undo ? m_at - 1 : m_at].exchange(m_shadow, state());
        ++compared[m_what];
        m_at = undo ? m_at - 1 : m_at + 1;
        // (Each point's state kept every rule when it was made.)
        return stateHash(state()) != m_hashes[m_at]
                   ? "the state is not the one of history point " + std::to_string(m_at)
                   : "";
    }

    // Before an image is left: all the way back through its history and forth again.
    std::string wholeHistory() {
        std::string failure;
        while (failure.empty() && m_at > 0)
            failure = undoRedo(true);
        while (failure.empty() && m_at < m_history.size())
            failure = undoRedo(false);
        return failure;
    }

    std::string step() {
        const int op = uniform(0, 30);
        if (op >= 26 && op <= 28)
            return undoRedo(op <= 27);
        std::memcpy(m_before.get(), &img(), kImageSize);
        m_fx->messages.clear();
        std::string failure = op == 29 ? programDialog() : op == 30 ? satelliteDialog() : editStep(op);
        failure = failure.empty() ? remember() : failure;
        if (failure.empty() && std::memcmp(&m_shadow.image(), &img(), kImageSize) != 0)
            return "the history's shadow does not follow the image";
        return failure;
    }

    // `percent` of the time a new text for `field` as a user might type it, with a Latin-1 letter, a
    // non-Latin-1 one and a control byte.
    void retype(int percent, std::string& field, int maxLength) {
        static const char* const pieces[] = {
            "0", "1", "5", "9",        "12",           " ",    "-",     "+",         ",", ".",
            "x", "E", "W", "\xc3\xa9", "\xe2\x82\xac", "\x01", "65536", "4294967296"};
        if (!chance(percent))
            return;
        field.clear();
        for (int n = uniform(0, maxLength); n > 0; --n)
            field += pieces[uniform(0, static_cast<int>(std::size(pieces)) - 1)];
    }

    // The program dialog, to edit a program or add one, filled as its form allows.
    std::string programDialog() {
        ProgramDialogModel model(db(), m_fx->messages);
        const bool add = chance(50);
        m_what = add ? "program dialog: add" : "program dialog: edit";
        if (model.prepare(index(img().programCount), add ? kProgramDialogAdd : kProgramDialogEdit) != 0)
            return checkAfter(true, true);
        model.open();
        ProgramFields& f = model.fields;
        retype(50, f.name, 20);
        retype(30, f.provider, 18);
        if (chance(30) && !model.satellites().empty())
            model.satelliteChanged(uniform(0, static_cast<int>(model.satellites().size()) - 1));
        if (chance(30))
            f.transponderSelection = uniform(-1, static_cast<int>(model.transponders().size()));
        if (chance(40))
            model.scpcClicked(!f.scpc);
        // What the form lets a user change: the PIDs only while enabled, the class only where it is.
        for (std::string* pid : {&f.videoPid, &f.audioPid, &f.pcrPid}) {
            if (f.pidsEnabled)
                retype(25, *pid, 6);
        }
        retype(25, f.serviceId, 6);
        if (f.classEnabled && chance(30))
            f.tv = !f.tv, f.radio = !f.tv;
        for (bool& member : f.favourite)
            if (chance(10))
                member = !member;
        return checkAfter(!model.ok(), true);
    }

    std::string satelliteDialog() {
        SatelliteDialogModel model(db(), m_fx->messages);
        m_what = "satellite dialog";
        if (model.prepareAt(index(img().satCount)) != 0)
            return checkAfter(true, true);
        model.open();
        SatelliteFields& f = model.fields;
        retype(40, f.name, 18);
        retype(50, f.degree, 6);
        retype(30, f.eastWest.text, 2);
        retype(30, f.lowerLo.text, 6);
        retype(30, f.positionerNo, 4);
        f.diseqcMode = uniform(0, 6);
        return checkAfter(!model.ok(), true);
    }

    // A program as the program dialog hands it over, named in `name`.
    RecordView programView(char* name) {
        RecordView view = test::words({{0, word(0, 65535)},
                                       {1, word(0, std::max(0, img().providerCount - 1))},
                                       {2, word(0, std::max(0, img().tpCount - 1))},
                                       {3, word(17, 8191)},
                                       {4, word(17, 8190)},
                                       {5, 0x7FFF},
                                       {6, word(0, 0x27)}});
        std::snprintf(name, 24, "Prog %d", uniform(0, 99999));
        view.word16 = name;
        return view;
    }

    // The list's Delete of program `p`.
    int deleteShown(int p) {
        std::uint32_t mask = 0;
        db().getFavMembership(p, mask);
        return db().deleteInView(p, mask);
    }

    std::uint32_t randomMode() {
        BrowseState& browse = state().browse;
        const std::uint32_t category = 1u << uniform(0, 2);
        const int kind = uniform(0, 3);
        browse.selectedText = kind == 1 ? "Favs" : "Providers";
        browse.viewMode = category | (kind <= 1 ? kViewWholeTable : 1u << (kViewFirstFavouriteBit + uniform(0, 8)));
        return browse.viewMode;
    }

    // One edit of a table, the list's Delete, Copy, Cut or Paste, a drop, a batch form against its rows.
    std::string editStep(int op) {
        if ((img().providerCount == 0 || img().tpCount == 0) && op <= 2)
            op = 3;
        m_what = "operation " + std::to_string(op);
        char name[24];
        RecordView view;
        switch (op) {
            case 0:
            case 1:
                view = programView(name);
                if (op == 1)
                    state().newProgramKind = uniform(-1, 1);
                return modified(kTablePrograms, op == 0 ? kOpUpdate : kOpInsert, index(img().programCount + op), view);
            case 2:
                state().dragActive = 0;
                return modified(kTablePrograms, kOpDelete, index(img().programCount), view);
            case 3:
                randomMode();
                return checkAfter(deleteShown(index(img().programCount)) != 0);
            case 4:
                return cutOrCopy();
            case 5:
            case 6:
                return pasteClipboard();
            case 7:
            case 8:
                return pasteSnapshots();
            case 9:
                return moveInTable();
            case 10:
            case 23:
                return moveInList();
            case 11:
                return checkAfter(setSatellite() != 0);
            case 12:
            case 13:
                return checkAfter(transponderEdit() != 0);
            case 14: {
                const int operation = uniform(0, 1) ? kOpUpdate : kOpInsert;
                return modified(kTableProviders, operation, index(img().providerCount + 1), test::words({}, "Prov"));
            }
            case 15:
            case 16: {
                view = test::words({{1, static_cast<std::uint32_t>(index(img().programCount))}},
                                   "List name longer than sixteen");
                const int operation = kOpUpdate + uniform(0, 2);
                return modified(kTableFavourites, operation, index(kFavouriteLists), view);
            }
            case 17:
                view = test::words({{0, static_cast<std::uint32_t>(index(kFavouriteLists))}, {1, word(0, 1)}});
                return modified(kTablePrograms, kOpRemoveListEntry, index(400), view);
            case 20: {
                st_sat sat{};
                std::memcpy(sat.name, "Added satellite", 15);
                sat.tpCount = 7;  // the new satellite has no transponders, whatever it is given
                const int added = db().addSatellite(sat);
                if (added >= 0 && (img().satellites[added].tpCount != 0 || added != m_before->satCount))
                    return "an added satellite is not the last one or has transponders";
                return checkAfter(added < 0);
            }
            case 21:
                return checkAfter(db().deleteSatellite(index(img().satCount)) != 0);
            case 24:
                return deleteTransponderPrograms();
            case 25:
                return filterPass();
            default:
                return deleteRows();
        }
    }

    // A modifyRecord, checked as a refusal when it gives an error.
    std::string modified(int table, int operation, int at, RecordView view) {
        return checkAfter(db().modifyRecord(table, operation, at, view) != 0);
    }

    // A refused step changed nothing; every step kept every rule, moved no byte outside the tables and
    // counts, and showed no icon (a dialog's OK refreshes the CRC and has its own messages).
    std::string checkAfter(bool refused, bool dialog = false) {
        const std::vector<test::RecordingMessages::Shown>& shown = m_fx->messages.shown;
        if (const long at = refused ? test::firstDifference(*m_before, img()) : -1; at >= 0)
            return "a refused step changed byte " + std::to_string(at) + " (" +
                   (shown.empty() ? "no message" : "\"" + shown.back().text + "\"") + ")";
        for (const auto& message : shown) {
            if (!dialog && message.icon != MessageIcon::None)
                return "message with an icon: \"" + message.text + "\"";
        }
        if (dialog)
            m_before->imageCrc = img().imageCrc;
        const std::string failure = test::untouchedBytesDiffer(*m_before, img());
        return failure.empty() ? test::brokenRule(img(), m_sorted) : failure;
    }

    // The twin takes the image, clipboard and view of the database; its messages start empty.
    void syncTwin() {
        EditorState& twin = *m_twin->state;
        std::memcpy(&twin.image, &img(), kImageSize);
        freeSnapshotList(twin.programClipboard);
        twin.programClipboard = test::cloneRawList(state().programClipboard);
        twin.browse = state().browse;
        twin.dragActive = state().dragActive;
        m_twin->messages.clear();
    }

    // "" when the twin's batch form left the results, bytes, clipboard and messages of the per-row form.
    std::string twinDiffers(const std::string& form, const std::vector<int>& expected,
                            const std::vector<int>& results) {
        ++compared[form];
        if (results != expected)
            return form + " gave other results";
        const long at = test::firstDifference(img(), m_twin->image());
        if (at >= 0)
            return form + " left byte " + std::to_string(at) + " otherwise";
        const ProgramSnapshot* a = state().programClipboard;
        const ProgramSnapshot* b = m_twin->state->programClipboard;
        for (; a != nullptr && b != nullptr; a = a->next, b = b->next) {
            if (a->programIndex != b->programIndex)
                return form + " renumbered the clipboard otherwise";
        }
        return m_fx->messages.texts() == m_twin->messages.texts() ? "" : form + " said other things";
    }

    // What twinDiffers finds, else what checkAfter finds.
    std::string compareTwin(const std::string& form, const std::vector<int>& expected = {},
                            const std::vector<int>& results = {}, bool refused = false) {
        const std::string differs = twinDiffers(form, expected, results);
        return differs.empty() ? checkAfter(refused) : differs;
    }

    // Up to 40 rows below `count`, highest first, as a drag's collect shrinks them (s - k) or in any order;
    // now and then with rows outside.
    std::vector<int> batchRows(int count) {
        std::vector<int> picked;
        for (int i = count > 0 ? uniform(0, std::min(count, 40)) : 0; i > 0; --i) {
            const int s = uniform(0, count - 1);
            if (std::find(picked.begin(), picked.end(), s) == picked.end())
                picked.push_back(s);
        }
        if (chance(15))
            picked.push_back(count + uniform(0, 3));
        if (chance(10))
            picked.push_back(-1);
        const int order = uniform(0, 2);
        if (order == 0)
            std::sort(picked.rbegin(), picked.rend());
        if (order == 1) {
            std::sort(picked.begin(), picked.end());
            for (std::size_t k = 0; k < picked.size(); ++k)
                picked[k] -= static_cast<int>(k);
        }
        return picked;
    }

    // Row by row with 551, the list's Delete or 553 against their batch forms on the twin; clipboard nodes may
    // name any program, and a delete may run during a drag.
    std::string deleteRows() {
        const int kind = uniform(0, 2);
        randomMode();
        const int list = uniform(0, kFavouriteLists);
        const bool radio = chance(50);
        const bool drag = kind == 0 && chance(30);
        const bool anyNodes = chance(30);
        ProgramSnapshot* saved = drag ? test::cloneRawList(state().programClipboard) : nullptr;
        if (anyNodes) {
            m_shadow.clipboardWillChange(state());  // as a cut does: the step keeps the list
            for (int i = uniform(1, 6); i > 0; --i) {
                auto* node = new ProgramSnapshot;
                node->programIndex = uniform(-2, img().programCount + 3);
                node->next = state().programClipboard;
                state().programClipboard = node;
            }
        }
        state().dragActive = drag ? 1 : 0;
        syncTwin();
        const std::vector<int> rows = batchRows(kind < 2                 ? img().programCount
                                                : list < kFavouriteLists ? img().favourites[list].favCount
                                                                         : 3);
        std::vector<int> expected, results;
        RecordView view = test::words({{0, static_cast<std::uint32_t>(list)}, {1, radio ? 1u : 0u}});
        for (const int p : rows) {
            expected.push_back(kind == 0   ? db().modifyRecord(kTablePrograms, kOpDelete, p, view)
                               : kind == 1 ? deleteShown(p)
                                           : db().modifyRecord(kTablePrograms, kOpRemoveListEntry, p, view));
        }
        ChannelDatabase& twin = m_twin->db;
        const int answer = kind == 0   ? twin.deletePrograms(rows, &results)
                           : kind == 1 ? twin.deleteInViewMany(rows, &results)
                                       : twin.removeListEntries(list, radio, rows, &results);
        const char* const forms[] = {"deletePrograms", "deleteInViewMany", "removeListEntries"};
        const auto refusal = std::find_if(expected.begin(), expected.end(), [](int r) { return r != 0; });
        std::string differs = twinDiffers(forms[kind], expected, results);
        if (differs.empty() && answer != (refusal == expected.end() ? 0 : *refusal))
            differs = std::string(forms[kind]) + " answers other than its first refusal";
        if (anyNodes)
            freeSnapshotList(state().programClipboard);
        if (drag) {
            std::memcpy(&img(), m_before.get(), kImageSize);
            freeSnapshotList(state().programClipboard);
            state().programClipboard = saved;
            state().dragActive = 0;
        }
        return differs.empty() ? checkAfter(false) : differs;
    }

    // The transponder delete dialog's one pass against one 551 per program, on none, a third or half of them.
    std::string deleteTransponderPrograms() {
        if (img().tpCount == 0)
            return "";
        const auto t = static_cast<std::uint16_t>(uniform(0, img().tpCount - 1));
        const int bunched = uniform(0, 2) * 30;
        for (int p = 0; p < img().programCount; ++p) {
            if (chance(bunched))
                img().programs[p].tpIndex = t;
        }
        syncTwin();
        const int walked = test::deleteProgramsOfTransponderOneByOne(db(), t);
        const int counted = deleteProgramsOfTransponder(m_twin->db, t);
        state().currentTpFrequency = img().transponders[t].frequency;  // as the dialog hands it over
        return compareTwin("deleteProgramsOfTransponder", {walked}, {counted});
    }

    // The list's one-pass fill must show the programs isFilteredOut lets through, one by one.
    std::string filterPass() {
        const BrowseState saved = state().browse;
        BrowseState& browse = state().browse;
        const std::uint8_t kinds[] = {0, kFilterProvider, kFilterSatellite, kFilterTransponder, kFilterFavs, 0x0F};
        browse.filterKind = kinds[uniform(0, 5)];
        const int sat = img().satCount > 0 ? uniform(0, img().satCount - 1) : 0;
        browse.selectedText = browse.parentText = nameText(img().satellites[sat].name);
        if (browse.filterKind == kFilterProvider && img().providerCount > 0)
            browse.selectedText = nameText(img().providers[uniform(0, img().providerCount - 1)].name);
        if (browse.filterKind == kFilterTransponder && img().tpCount > 0) {
            browse.selectedText = std::to_string(img().transponders[uniform(0, img().tpCount - 1)].frequency) + "(" +
                                  "HVLR"[uniform(0, 3)] + ")";
        }
        std::vector<int> expected;
        for (int p = 0; p < img().programCount; ++p) {
            if (!db().isFilteredOut(p))
                expected.push_back(p);
        }
        const bool agrees = db().shownPrograms() == expected;
        ++compared["shownPrograms"];
        state().browse = saved;
        return agrees ? checkAfter(true) : "shownPrograms disagrees with isFilteredOut";
    }

    // Snapshots of the given rows of a view, naming `names`; false when one has no satellite.
    bool snapshots(std::uint32_t mode, const std::vector<int>& rows, const std::vector<int>& names,
                   test::SnapshotList& nodes) {
        for (std::size_t k = 0; k < rows.size(); ++k) {
            ProgramSnapshot node;
            if (db().getProgramSnapshot(mode, rows[k], node) != 0)
                return false;
            node.programIndex = names[k];
            nodes.append(node);
        }
        return true;
    }

    // Rows of a drag taken out, each at its row less the rows above it already gone: in one call or row by row.
    void takeOut(const std::vector<int>& rows, const std::function<void(const std::vector<int>&)>& batch,
                 const std::function<void(int)>& one) {
        std::vector<int> shifted;
        for (std::size_t k = 0; k < rows.size(); ++k)
            shifted.push_back(rows[k] - static_cast<int>(k));
        if (chance(50))
            batch(shifted);
        else
            std::for_each(shifted.begin(), shifted.end(), one);
    }

    // The list's drop in the whole table (rows of one block taken out, renumberAfterDrop, a snapshot paste): the
    // lists name what they named, and where every program came back unchanged, movePrograms on the twin leaves
    // the same bytes (reserved bytes are zeroed: snapshots write them as zero).
    std::string moveInTable() {
        for (auto* image : {&img(), m_before.get()}) {
            for (st_program& prog : image->programs)
                prog.reserved12[0] = prog.reserved12[1] = 0;
        }
        m_shadow.clipboardWillChange(state());  // the clipboard is emptied, as by a cut of nothing
        const int count = img().programCount, tv = img().tvCount;
        const bool radio = chance(40);
        const std::uint32_t mode = kViewWholeTable | (radio && chance(50) ? kViewRadioOnly : kViewTvAndRadio);
        state().browse.viewMode = mode;
        const std::vector<int> sources = randomRows(radio ? tv : 0, radio ? count : tv, 40);
        const int n = static_cast<int>(sources.size());
        const int low = radio ? tv : 0, high = radio ? count - n : tv - n;
        const int shownFrom = (mode & kViewRadioOnly) != 0 ? tv : 0;  // the drag names rows of the view
        std::vector<int> rows;
        for (const int p : sources)
            rows.push_back(p - shownFrom);
        test::SnapshotList nodes;
        if (n == 0 || high < low || !snapshots(0, sources, rows, nodes))
            return checkAfter(false);
        const int position = uniform(low, high);
        std::vector<std::vector<std::string>> lists;
        for (int l = 0; l < kFavouriteLists; ++l)
            lists.push_back(listContent(img(), l));
        syncTwin();
        state().dragActive = 1;
        freeSnapshotList(state().dragBuffer);
        state().dragBuffer = test::cloneRawList(nodes.head());
        RecordView view;
        takeOut(
            sources, [&](const std::vector<int>& taken) { db().deletePrograms(taken); },
            [&](int p) { db().modifyRecord(kTablePrograms, kOpDelete, p, view); });
        db().renumberAfterDrop(position - shownFrom);
        ProgramSnapshot* dropped = state().dragBuffer;
        const int result = chance(50) ? db().pasteSnapshots(kTablePrograms, -1, position, dropped, mode)
                                      : db().pasteSnapshotsBatch(kTablePrograms, -1, position, dropped, mode);
        state().dragActive = 0;
        if (result != 0 || m_twin->db.movePrograms(sources, position) != 0)
            return "a move inside its block was refused";
        bool unchanged = img().programCount == count;
        for (int k = 0; k < n; ++k) {
            const st_program& moved = img().programs[position + k];
            const st_program& was = m_before->programs[sources[static_cast<std::size_t>(k)]];
            if (programContent(moved) != programContent(was))
                return "a moved program is not at its drop place";
            unchanged = unchanged && std::memcmp(&moved, &was, sizeof was) == 0;
        }
        for (int l = 0; l < kFavouriteLists; ++l) {
            if (listContent(img(), l) != lists[l])
                return "list " + std::to_string(l) + " names other programs";
        }
        // Else a moved program was given the first equal provider or transponder instead of its own.
        return unchanged ? compareTwin("movePrograms") : checkAfter(false);
    }

    // The list's drop inside a favourite list against moveListEntries on the twin.
    std::string moveInList() {
        const int list = uniform(0, kFavouriteLists - 1);
        const bool radioView = chance(40);
        const std::uint32_t mode =
            (1u << (kViewFirstFavouriteBit + list)) | (radioView ? kViewRadioOnly : kViewTvAndRadio);
        state().browse.viewMode = mode;
        const std::vector<int> entries = test::entries(img().favourites[list]);
        const int tvEntries = img().favourites[list].favTvCount;
        const int offset = radioView ? tvEntries : 0;
        const int rowsShown = static_cast<int>(entries.size()) - offset;
        const bool second = !radioView && chance(50);
        const int from = second ? tvEntries : 0, to = second || radioView ? rowsShown : tvEntries;
        const std::vector<int> picked = randomRows(from, to, 20);
        const int n = static_cast<int>(picked.size());
        const int partEnd = to - n;
        std::vector<int> programs;
        for (const int r : picked)
            programs.push_back(entries[static_cast<std::size_t>(r + offset)]);
        test::SnapshotList nodes;
        if (n == 0 || partEnd < from || !snapshots(mode, picked, programs, nodes))
            return checkAfter(false);
        const int position = uniform(from, partEnd);
        std::vector<int> expected;
        for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
            if (std::find(picked.begin(), picked.end(), i - offset) == picked.end())
                expected.push_back(entries[static_cast<std::size_t>(i)]);
        }
        expected.insert(expected.begin() + offset + position, programs.begin(), programs.end());
        syncTwin();
        if (m_twin->db.moveListEntries(list, radioView, picked, position) != 0)
            return "a list move inside its part was refused";
        if (test::entries(m_twin->image().favourites[list]) != expected)
            return "moveListEntries put the entries elsewhere";
        state().dragActive = 1;
        RecordView view = test::words({{0, static_cast<std::uint32_t>(list)}, {1, radioView ? 1u : 0u}});
        takeOut(
            picked, [&](const std::vector<int>& taken) { db().removeListEntries(list, radioView, taken); },
            [&](int r) { db().modifyRecord(kTablePrograms, kOpRemoveListEntry, r, view); });
        const int entriesBefore = img().favourites[list].favCount;
        const int result = db().pasteSnapshots(kTableFavourites, list, position, nodes.head(), mode);
        state().dragActive = 0;
        const int pasted = pastedCount(nodes.head());
        if (img().favourites[list].favCount - entriesBefore != pasted)
            return "pasted flags disagree (list drop)";
        // A node finds the first program equal to its own: only a table without copies gives the same list.
        bool placed = result == 0 && pasted == n && img().programCount == m_twin->image().programCount;
        for (const auto& node : nodes.nodes) {
            placed = placed && std::count_if(img().programs, img().programs + img().programCount, [&](const auto& p) {
                                   return std::memcmp(p.name, node->name, 16) == 0 && p.serviceId == node->serviceId;
                               }) == 1;
        }
        return placed ? compareTwin("moveListEntries") : checkAfter(false);
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
    std::string cutOrCopy() {
        const std::uint32_t mode = randomMode();
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
        const auto fill = [&] {
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
        };
        if (!cut) {
            copied(fill);
            return checkAfter(true);
        }
        m_shadow.clipboardWillChange(state());
        fill();
        m_shadow.clipboardChanged(state());
        const std::vector<int> descending(programs.rbegin(), programs.rend());
        syncTwin();
        m_twin->db.deleteInViewMany(descending);
        for (const int p : descending)
            deleteShown(p);
        return compareTwin("deleteInViewMany");
    }

    std::string pasteClipboard() {
        const std::uint32_t mode = randomMode();
        int target = index(img().programCount + 1);
        if (!(mode & kViewWholeTable)) {
            const st_fav& list = img().favourites[std::countr_zero(mode >> kViewFirstFavouriteBit)];
            target = chance(10) ? -1 : index(list.favCount + 1);
            if ((mode & kViewRadioOnly) && target >= 0 && target <= 0xFFFF)
                target += list.favTvCount;
        }
        if (db().checkPastePosition(target) == 0)
            return checkAfter(true);
        const int programsBefore = img().programCount;
        state().pasteActive = 1;
        const int result = db().pasteClipboard(target);
        state().pasteActive = 0;
        const int pasted = pastedCount(state().programClipboard);
        if ((mode & kViewWholeTable) && img().programCount - programsBefore != pasted)
            return "pasted flags disagree with the programs added";
        return checkAfter(result != 0 && pasted == 0);
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
        // A missing satellite, provider or transponder, now and then one other nodes miss too (made once).
        const int shared = m_pasteKey + uniform(0, 2);
        if (chance(20))
            node.satId = static_cast<std::uint16_t>(chance(50) ? m_nextSatId++ : shared);
        if (chance(20))
            std::snprintf(node.providerName, 16, "NewProv %d", chance(50) ? uniform(0, 999) : shared);
        if (chance(20)) {
            node.tpSatId = static_cast<std::uint8_t>(uniform(0, 255));
            node.frequency = static_cast<std::uint16_t>(uniform(10700, 12750));
        }
        if (chance(15))
            node.frequency = static_cast<std::uint16_t>(shared);
        if (chance(10))
            node.isTv = 1 - node.isTv;
        return node;
    }

    std::string pasteSnapshots() {
        m_pasteKey = m_nextSatId;
        m_nextSatId += 3;
        test::SnapshotList nodes;
        for (int i = uniform(0, 6); i > 0; --i)
            nodes.append(randomNode());
        if (chance(80))
            nodes.putTvFirst();  // as the list always does
        state().dragActive = 0;
        const bool toList = chance(50);
        syncTwin();
        test::SnapshotList twinNodes = nodes.clone();
        const int list = toList ? index(kFavouriteLists) : -1;
        const bool listInRange = list >= 0 && list < kFavouriteLists;
        const std::uint32_t mode =
            (1u << uniform(0, 2)) | (toList ? 1u << (kViewFirstFavouriteBit + 1) : kViewWholeTable);
        const int entriesBefore = listInRange ? img().favourites[list].favCount : 0;
        const int position =
            toList ? (chance(20) ? -1 : index(entriesBefore + 1)) : (chance(5) ? -1 : index(img().programCount + 1));
        const int programsBefore = img().programCount;
        const int table = toList ? kTableFavourites : kTablePrograms;
        const int result = toList && chance(50) ? db().pasteSnapshotsBatch(table, list, position, nodes.head(), mode)
                                                : db().pasteSnapshots(table, list, position, nodes.head(), mode);
        const int pasted = pastedCount(nodes.head());
        if (img().tpCount > m_before->tpCount)
            m_sorted = false;
        // (A list's paste may add a satellite, provider or transponder for an entry it does not add.)
        if (toList)
            return listInRange && img().favourites[list].favCount - entriesBefore != pasted
                       ? "pasted flags disagree (504)"
                       : checkAfter(false);
        if (img().programCount - programsBefore != pasted)
            return "pasted flags disagree (501)";
        const int twinResult = m_twin->db.pasteSnapshotsBatch(table, list, position, twinNodes.head(), mode);
        for (std::size_t i = 0; i < nodes.nodes.size(); ++i) {
            const ProgramSnapshot& a = *nodes.nodes[i];
            const ProgramSnapshot& b = *twinNodes.nodes[i];
            if (std::tuple(a.pasted, a.programIndex, a.providerIndex, a.tpIndex) !=
                std::tuple(b.pasted, b.programIndex, b.providerIndex, b.tpIndex))
                return "pasteSnapshotsBatch left other node fields";
        }
        return compareTwin("pasteSnapshotsBatch", {result}, {twinResult}, pasted == 0 && result != 0);
    }

    int setSatellite() {
        RecordView view;
        const int i = index(img().satCount + 1);
        if (i >= 0 && i < img().satCount)
            db().getRecord(kTableSatellites, i, view);
        else
            view.word[0] = static_cast<std::uint32_t>(m_nextSatId++);
        view.word[7] = word(0, 1);
        view.word[8] = chance(50) ? 0 : word(1, 199);
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
            view.word[7] = word(10700, 12750);
        return db().modifyRecord(kTableTransponders, operation, t, view);
    }

    Choices& m_choices;
    std::string m_name;
    std::function<void(all_tables_block&)> m_imageMaker;
    std::unique_ptr<test::DatabaseFixture> m_fx;
    EditorShadow m_shadow;
    std::vector<StateDelta> m_history;
    std::vector<std::size_t> m_hashes;              // the image at each point of the history
    std::size_t m_at = 0;                           // the point the live state is at
    std::unique_ptr<test::DatabaseFixture> m_twin;  // takes the batch forms
    std::unique_ptr<all_tables_block> m_before = std::make_unique<all_tables_block>();
    std::string m_what;
    bool m_sorted = true;
    int m_nextSatId = 256;
    int m_pasteKey = 0;  // the first of three keys a paste's nodes may share
    bool m_reuse = false;
};

}  // namespace vizud::test
