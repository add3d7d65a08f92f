// The edit dialogs on a full-capacity database (200 satellites, 3000 transponders, 400 providers, 20000
// programs, nine lists of 400 entries): the program dialog's Prepare and OK, and deleting a transponder
// that carries 10000 programs, in one pass and, for comparison, one program at a time.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "database/channel_database.h"
#include "dialogs/program_dialog_model.h"
#include "dialogs/transponder_delete_model.h"
#include "tests/support/image_factory.h"
#include "tests/support/recording_messages.h"
#include "tests/support/reference_walks.h"

namespace vizud {
namespace {

struct FullDatabase {
    std::unique_ptr<all_tables_block> master = test::makeImage(1, test::fullShape());
    std::unique_ptr<EditorState> state = std::make_unique<EditorState>();
    test::RecordingMessages messages;
    ChannelDatabase db{*state, messages};

    FullDatabase() { reset(); }
    void reset() { std::memcpy(&state->image, master.get(), kImageSize); }
};

// Opening a program in the middle of the table and pressing OK with a new name, taken out of its lists.
void BM_ProgramDialogEditPrepareAndOk(benchmark::State& st) {
    FullDatabase full;
    full.master->programs[10000].programFlags &= ~2u;  // not SCPC: its generated PIDs are not checked
    full.reset();
    ProgramDialogModel model(full.db, full.messages);
    for (auto _ : st) {
        if (model.prepare(10000, kProgramDialogEdit) != 0) {
            st.SkipWithError("prepare failed");
            break;
        }
        model.open();
        model.fields.name = "Renamed";
        model.fields.favourite = {};
        if (!model.ok()) {
            st.SkipWithError(full.messages.texts().back().c_str());
            break;
        }
        st.PauseTiming();
        full.reset();
        st.ResumeTiming();
    }
}
BENCHMARK(BM_ProgramDialogEditPrepareAndOk)->Unit(benchmark::kMillisecond);

// Adding a TV program in the middle of the TV block (the table one short of full) with a new provider and
// into a favourite list.
void BM_ProgramDialogAddPrepareAndOk(benchmark::State& st) {
    FullDatabase full;
    RecordView none;
    full.db.modifyRecord(kTablePrograms, kOpDelete, 0, none);
    full.state->image.providerCount = kMaxProviders - 1;  // room for the new provider
    full.state->image.favourites[3].favCount -= 10;       // and for the program in list 4
    std::memcpy(full.master.get(), &full.state->image, kImageSize);
    ProgramDialogModel model(full.db, full.messages);
    for (auto _ : st) {
        if (model.prepare(5000, kProgramDialogAdd) != 0) {
            st.SkipWithError("prepare failed");
            break;
        }
        model.open();
        model.fields.name = "New program";
        model.fields.provider = "New provider";
        model.fields.tv = true;
        model.fields.radio = false;
        model.fields.favourite[3] = true;
        if (!model.ok()) {
            st.SkipWithError(full.messages.texts().back().c_str());
            break;
        }
        st.PauseTiming();
        full.reset();
        st.ResumeTiming();
    }
}
BENCHMARK(BM_ProgramDialogAddPrepareAndOk)->Unit(benchmark::kMillisecond);

// A transponder that every other program is tuned to.
struct BusyTransponder : FullDatabase {
    static constexpr std::uint16_t kIndex = kMaxTransponders / 2;
    BusyTransponder() {
        for (int p = 0; p < kMaxPrograms; ++p) {
            std::uint16_t& tp = master->programs[p].tpIndex;
            tp = p % 2 == 0 ? kIndex : tp == kIndex ? kIndex - 1 : tp;
        }
        reset();
    }
};

void BM_TransponderDeleteDialog10000Programs(benchmark::State& st) {
    BusyTransponder busy;
    TransponderDeleteModel model(busy.db, busy.messages);
    for (auto _ : st) {
        if (model.prepare(BusyTransponder::kIndex, 2) != 0) {
            st.SkipWithError("prepare failed");
            break;
        }
        model.open();
        model.transponderSelection = positionOfIndex(model.transponders(), BusyTransponder::kIndex);
        busy.messages.script(MessageAnswer::Yes);
        if (!model.ok() || busy.state->image.programCount != kMaxPrograms / 2) {
            st.SkipWithError("not deleted");
            break;
        }
        st.PauseTiming();
        busy.reset();
        st.ResumeTiming();
    }
}
BENCHMARK(BM_TransponderDeleteDialog10000Programs)->Unit(benchmark::kMillisecond);

void BM_TransponderProgramsOneAtATime10000(benchmark::State& st) {
    BusyTransponder busy;
    for (auto _ : st) {
        if (test::deleteProgramsOfTransponderOneByOne(busy.db, BusyTransponder::kIndex) != kMaxPrograms / 2) {
            st.SkipWithError("not deleted");
            break;
        }
        st.PauseTiming();
        busy.reset();
        st.ResumeTiming();
    }
}
BENCHMARK(BM_TransponderProgramsOneAtATime10000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace vizud

BENCHMARK_MAIN();
