// Editing a full-capacity database: 200 satellites, 3000 transponders, 400 providers, 20000 programs half
// TV, nine lists of 400 entries. Single-record edits, and the list's whole-selection edits of 10000
// programs (cut and paste back, drag) through the batch forms, with the per-row cut for comparison.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

#include "database/channel_database.h"
#include "tests/support/image_factory.h"
#include "tests/support/recording_messages.h"

namespace vizud {
namespace {

struct FullDatabase {
    std::unique_ptr<all_tables_block> master;
    std::unique_ptr<EditorState> state = std::make_unique<EditorState>();
    test::RecordingMessages messages;
    ChannelDatabase db{*state, messages};

    explicit FullDatabase(int tv = kMaxPrograms / 2) {
        test::ImageShape shape = test::fullShape();
        shape.tv = tv;
        master = test::makeImage(1, shape);
        reset();
    }
    void reset() { std::memcpy(&state->image, master.get(), kImageSize); }
    all_tables_block& img() { return state->image; }
};

RecordView programRecord(const all_tables_block& img) {
    RecordView view;
    view.word[0] = 28106;
    view.word[1] = 3;
    view.word[2] = img.tpCount > 0 ? img.tpCount / 2u : 0u;
    view.word[3] = 101;
    view.word[4] = 102;
    view.word[5] = 0x7FFF;
    view.word16 = "Bench program";
    return view;
}

void BM_ProgramInsert(benchmark::State& st) {
    FullDatabase full;
    RecordView view = programRecord(full.img());
    full.db.modifyRecord(kTablePrograms, kOpDelete, 0, view);  // room for one
    for (auto _ : st) {
        full.state->newProgramKind = 0;
        if (full.db.modifyRecord(kTablePrograms, kOpInsert, 100, view) != 0)
            st.SkipWithError("insert refused");
        st.PauseTiming();
        full.db.modifyRecord(kTablePrograms, kOpDelete, 100, view);
        st.ResumeTiming();
    }
}
BENCHMARK(BM_ProgramInsert)->Unit(benchmark::kMicrosecond);

void BM_ProgramUpdate(benchmark::State& st) {
    FullDatabase full;
    RecordView view = programRecord(full.img());
    for (auto _ : st) {
        if (full.db.modifyRecord(kTablePrograms, kOpUpdate, 100, view) != 0)
            st.SkipWithError("update refused");
    }
}
BENCHMARK(BM_ProgramUpdate)->Unit(benchmark::kMicrosecond);

void BM_ProgramDelete(benchmark::State& st) {
    FullDatabase full;
    RecordView view = programRecord(full.img());
    for (auto _ : st) {
        if (full.db.modifyRecord(kTablePrograms, kOpDelete, 100, view) != 0)
            st.SkipWithError("delete refused");
        st.PauseTiming();
        full.state->newProgramKind = 0;
        full.db.modifyRecord(kTablePrograms, kOpInsert, 100, view);
        st.ResumeTiming();
    }
}
BENCHMARK(BM_ProgramDelete)->Unit(benchmark::kMicrosecond);

// A transponder in the middle of the table that no program uses, and the full table without it.
struct TransponderBench {
    FullDatabase full;
    RecordView record;
    int index = kMaxTransponders / 2;

    TransponderBench() {
        all_tables_block& img = full.img();
        const std::uint16_t moved = static_cast<std::uint16_t>(index - 1);
        for (int p = 0; p < img.programCount; ++p) {
            if (img.programs[p].tpIndex == index)
                img.programs[p].tpIndex = moved;
        }
        full.db.getRecord(kTableTransponders, index, record);
    }
};

void BM_TransponderDelete(benchmark::State& st) {
    TransponderBench bench;
    for (auto _ : st) {
        if (bench.full.db.modifyRecord(kTableTransponders, kOpDelete, bench.index, bench.record) != 0) {
            st.SkipWithError("delete refused");
        }
        st.PauseTiming();
        bench.full.db.modifyRecord(kTableTransponders, kOpInsert, 0, bench.record);
        st.ResumeTiming();
    }
}
BENCHMARK(BM_TransponderDelete)->Unit(benchmark::kMicrosecond);

void BM_TransponderInsert(benchmark::State& st) {
    TransponderBench bench;
    bench.full.db.modifyRecord(kTableTransponders, kOpDelete, bench.index, bench.record);
    for (auto _ : st) {
        if (bench.full.db.modifyRecord(kTableTransponders, kOpInsert, 0, bench.record) != 0) {
            st.SkipWithError("insert refused");
        }
        st.PauseTiming();
        bench.full.db.modifyRecord(kTableTransponders, kOpDelete, bench.index, bench.record);
        st.ResumeTiming();
    }
}
BENCHMARK(BM_TransponderInsert)->Unit(benchmark::kMicrosecond);

// The list's Cut of every other program (5000 TV, 5000 radio): nodes made as Cut makes them, then the
// rows deleted highest first. Making the nodes is the list's work and is not timed.
struct CutSelection {
    std::vector<int> descending;

    explicit CutSelection(int count) {
        for (int p = count - 1; p >= 0; --p) {
            if (p % 2 == 1)
                descending.push_back(p);
        }
    }

    // Cut leaves every node naming no program; a paste gives them their new index, so a repeated run only
    // has to clear that again.
    static void clearIndices(FullDatabase& full) {
        for (ProgramSnapshot* node = full.state->programClipboard; node != nullptr; node = node->next) {
            node->programIndex = -1;
        }
    }

    void fillClipboard(FullDatabase& full) const {
        freeSnapshotList(full.state->programClipboard);
        ProgramSnapshot** link = &full.state->programClipboard;
        for (auto it = descending.rbegin(); it != descending.rend(); ++it) {
            auto* node = new ProgramSnapshot;
            node->pasted = 1;
            full.db.getClipSnapshot(*it, *node);
            node->programIndex = -1;
            *link = node;
            link = &node->next;
        }
    }
};

void BM_Cut10000(benchmark::State& st) {
    FullDatabase full;
    full.state->browse.selectedText = "Satellites";
    const CutSelection cut(full.img().programCount);
    cut.fillClipboard(full);
    for (auto _ : st) {
        st.PauseTiming();
        full.reset();
        st.ResumeTiming();
        full.db.deleteInViewMany(cut.descending);
    }
    st.counters["programs_left"] = full.img().programCount;
}
BENCHMARK(BM_Cut10000)->Unit(benchmark::kMillisecond);

void BM_CutAndPasteBack10000(benchmark::State& st) {
    FullDatabase full;
    full.state->browse.selectedText = "Satellites";
    const CutSelection cut(full.img().programCount);
    cut.fillClipboard(full);
    for (auto _ : st) {
        st.PauseTiming();
        full.reset();
        CutSelection::clearIndices(full);
        st.ResumeTiming();
        full.db.deleteInViewMany(cut.descending);
        int target = full.img().tvCount;
        full.state->pasteActive = 1;
        if (full.db.checkPastePosition(target) != 1 || full.db.pasteClipboard(target) != 0) {
            st.SkipWithError("paste refused");
        }
        full.state->pasteActive = 0;
    }
    st.counters["programs"] = full.img().programCount;
}
BENCHMARK(BM_CutAndPasteBack10000)->Unit(benchmark::kMillisecond);

// The same cut, one deleteInView per row as the list would call it without the batch form.
void BM_Cut10000PerRow(benchmark::State& st) {
    FullDatabase full;
    full.state->browse.selectedText = "Satellites";
    const CutSelection cut(full.img().programCount);
    cut.fillClipboard(full);
    for (auto _ : st) {
        st.PauseTiming();
        full.reset();
        st.ResumeTiming();
        for (const int p : cut.descending) {
            std::uint32_t mask = 0;
            full.db.getFavMembership(p, mask);
            full.db.deleteInView(p, mask);
        }
    }
}
BENCHMARK(BM_Cut10000PerRow)->Unit(benchmark::kMillisecond)->Iterations(1);

// A drag in the whole table: 10000 of the 15000 TV programs (two of every three rows) dropped at row
// 14000. Timed: taking them out (dragActive), renumberAfterDrop and pasteSnapshots at the target row.
// The TV block is made larger than half the table here so that 10000 rows of one block can move.
void BM_Drag10000(benchmark::State& st) {
    FullDatabase full(15000);
    full.state->browse.viewMode = kViewWholeTable | kViewTvAndRadio;
    std::vector<int> rows;
    for (int s = 0; s < 15000 && rows.size() < 10000; ++s) {
        if (s % 3 != 2)
            rows.push_back(s);
    }
    std::vector<int> deletions;
    ProgramSnapshot** link = &full.state->dragBuffer;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        auto* node = new ProgramSnapshot;
        full.db.getProgramSnapshot(0, rows[k], *node);
        *link = node;
        link = &node->next;
        deletions.push_back(rows[k] - static_cast<int>(k));
    }
    const int drop = 14000;
    int below = 0;
    for (const int s : rows)
        below += s < drop ? 1 : 0;
    const int target = drop - below;
    for (auto _ : st) {
        st.PauseTiming();
        full.reset();
        int k = 0;
        for (ProgramSnapshot* node = full.state->dragBuffer; node != nullptr; node = node->next) {
            node->programIndex = rows[k++];
        }
        st.ResumeTiming();
        full.state->dragActive = 1;
        full.db.deletePrograms(deletions);
        full.db.renumberAfterDrop(target);
        if (full.db.pasteSnapshotsBatch(kTablePrograms, -1, target, full.state->dragBuffer,
                                        full.state->browse.viewMode) != 0) {
            st.SkipWithError("drop refused");
        }
        full.state->dragActive = 0;
    }
    st.counters["programs"] = full.img().programCount;
}
BENCHMARK(BM_Drag10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vizud

BENCHMARK_MAIN();
