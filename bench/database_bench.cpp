// Loading, filtering, exporting, sorting, ordering and checking a full-capacity database: 200 satellites, 3000
// transponders, 400 providers of which half unused, 20000 programs, nine full favourite lists.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <numeric>

#include "database/channel_database.h"
#include "database/image_access.h"
#include "listtools/apply_order.h"
#include "listtools/csv_export.h"
#include "listtools/csv_reference.h"
#include "listtools/database_check.h"
#include "listtools/duplicates.h"
#include "listtools/list_sort.h"
#include "listtools/satellites_xml.h"
#include "listtools/program_diff.h"
#include "tests/support/image_factory.h"
#include "tests/support/recording_messages.h"
#include "tests/support/temp_dir.h"

namespace vizud {
namespace {

struct FullDatabase {
    test::TempDir dir;
    std::string path = dir.file("full.si");
    std::unique_ptr<EditorState> state = std::make_unique<EditorState>();
    test::RecordingMessages messages;
    ChannelDatabase db{*state, messages};

    FullDatabase() {
        auto img = test::makeImage(1, test::fullShape());
        test::writeFile(path, img.get(), kImageSize);
        db.setProgramsDumpPath(dir.file("programs.nfo"));
    }
};

// A database the timed edits work on; `reset` gives it `img` again between iterations, untimed.
struct EditableDatabase {
    std::unique_ptr<EditorState> state = std::make_unique<EditorState>();
    test::RecordingMessages messages;
    ChannelDatabase db{*state, messages};

    void reset(benchmark::State& st, const all_tables_block& img) {
        st.PauseTiming();
        state->image = img;
        st.ResumeTiming();
    }
};

void BM_LoadSweepAndDump(benchmark::State& st) {
    FullDatabase full;
    for (auto _ : st) {
        if (full.db.load(full.path) != 0)
            st.SkipWithError("load failed");
    }
    st.counters["providers_after_sweep"] = full.state->image.providerCount;
}
BENCHMARK(BM_LoadSweepAndDump)->Unit(benchmark::kMillisecond);

void BM_FilterPass(benchmark::State& st) {
    FullDatabase full;
    full.db.load(full.path);
    BrowseState& browse = full.state->browse;
    const auto kind = static_cast<std::uint8_t>(st.range(0));
    browse.filterKind = kind;
    browse.selectedText = nameText(full.state->image.satellites[full.state->image.satCount - 1].name);
    if (kind == kFilterProvider) {
        browse.selectedText = nameText(full.state->image.providers[full.state->image.providerCount - 1].name);
    } else if (kind == kFilterTransponder) {
        // The last transponder belongs to the last satellite that has any.
        const st_ts& tp = full.state->image.transponders[full.state->image.tpCount - 1];
        browse.parentText = nameText(full.state->image.satellites[full.db.findSatIndexById(tp.satId)].name);
        browse.selectedText = std::to_string(tp.frequency) + "(H)";
    }
    int shown = 0;
    for (auto _ : st) {
        shown = 0;
        for (int p = 0; p < full.state->image.programCount; ++p) {
            shown += full.db.isFilteredOut(p) == 0;
        }
        benchmark::DoNotOptimize(shown);
    }
    st.counters["shown"] = shown;
}
void BM_ShownPrograms(benchmark::State& st) {
    FullDatabase full;
    full.db.load(full.path);
    BrowseState& browse = full.state->browse;
    const auto kind = static_cast<std::uint8_t>(st.range(0));
    browse.filterKind = kind;
    browse.selectedText = nameText(full.state->image.satellites[full.state->image.satCount - 1].name);
    if (kind == kFilterProvider) {
        browse.selectedText = nameText(full.state->image.providers[full.state->image.providerCount - 1].name);
    } else if (kind == kFilterTransponder) {
        // The last transponder belongs to the last satellite that has any.
        const st_ts& tp = full.state->image.transponders[full.state->image.tpCount - 1];
        browse.parentText = nameText(full.state->image.satellites[full.db.findSatIndexById(tp.satId)].name);
        browse.selectedText = std::to_string(tp.frequency) + "(H)";
    }
    std::size_t shown = 0;
    for (auto _ : st) {
        shown = full.db.shownPrograms().size();
        benchmark::DoNotOptimize(shown);
    }
    st.counters["shown"] = static_cast<double>(shown);
}
BENCHMARK(BM_ShownPrograms)
    ->ArgName("filterKind")
    ->Arg(0)
    ->Arg(kFilterProvider)
    ->Arg(kFilterSatellite)
    ->Arg(kFilterTransponder)
    ->Arg(kFilterFavs)
    ->Unit(benchmark::kMillisecond);

BENCHMARK(BM_FilterPass)
    ->ArgName("filterKind")
    ->Arg(0)
    ->Arg(kFilterProvider)
    ->Arg(kFilterSatellite)
    ->Arg(kFilterTransponder)
    ->Arg(kFilterFavs)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vizud

// The CSV export of a full database (the list tools' figure: < 50 ms).
void BM_ExportCsv(benchmark::State& st) {
    const auto img = vizud::test::makeImage(1, vizud::test::fullShape());
    std::size_t bytes = 0;
    for (auto _ : st)
        bytes = vizud::exportCsv(*img).size();
    st.counters["MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_ExportCsv)->Unit(benchmark::kMillisecond);

// Sorting a full database by transponder (the slowest key), the lists following (target < 50 ms).
void BM_SortByTransponder(benchmark::State& st) {
    const auto img = vizud::test::makeImage(1, vizud::test::fullShape());
    vizud::EditableDatabase rig;
    vizud::ChannelDatabase& db = rig.db;
    for (auto _ : st) {
        rig.reset(st, *img);
        vizud::sortPrograms(db, vizud::SortKey::Transponder);
    }
}
BENCHMARK(BM_SortByTransponder)->Unit(benchmark::kMillisecond);

// A copy of `img` with its TV block and its radio block each in reverse, as a rescan may order them.
std::unique_ptr<all_tables_block> withBlocksReversed(const all_tables_block& img) {
    auto copy = std::make_unique<all_tables_block>(img);
    std::reverse(copy->programs, copy->programs + copy->tvCount);
    std::reverse(copy->programs + copy->tvCount, copy->programs + copy->programCount);
    return copy;
}

// Ordering 20000 programs like a reference of 20000 (the same programs in reverse), the lists taken
// from the reference (target < 100 ms).
void BM_ApplyOrder(benchmark::State& st) {
    const auto reference = vizud::test::makeImage(1, vizud::test::fullShape());
    auto img = withBlocksReversed(*reference);
    vizud::EditableDatabase rig;
    vizud::ChannelDatabase& db = rig.db;
    int matched = 0;
    for (auto _ : st) {
        rig.reset(st, *img);
        const auto match = vizud::applyOrder(db, *reference, true);
        matched = match ? match->tvMatched + match->radioMatched : -1;
    }
    st.counters["matched"] = matched;
}
BENCHMARK(BM_ApplyOrder)->Unit(benchmark::kMillisecond);

// The export of a full database edited as a spreadsheet would: both blocks reversed, every 50th program
// renamed and its flags changed, every 100th row deleted.
std::string editedFullCsv() {
    auto edited = vizud::test::makeImage(1, vizud::test::fullShape());
    for (int p = 0; p < edited->programCount; p += 50) {
        vizud::test::setName(edited->programs[p].name, "Neu " + std::to_string(p));
        edited->programs[p].programFlags ^= 0x21;
    }
    vizud::EditableDatabase rig;
    rig.state->image = *edited;
    vizud::ChannelDatabase& db = rig.db;
    std::vector<int> order(static_cast<std::size_t>(edited->programCount));
    std::iota(order.begin(), order.end(), 0);
    std::reverse(order.begin(), order.begin() + edited->tvCount);
    std::reverse(order.begin() + edited->tvCount, order.end());
    db.reorderPrograms(order);
    std::vector<int> doomed;
    for (int p = db.image().programCount - 1; p >= 0; p -= 100)
        doomed.push_back(p);
    db.deletePrograms(doomed);
    return vizud::exportCsv(db.image());
}

// Reading that list of 19800 rows (target < 50 ms).
void BM_ReadCsvReference(benchmark::State& st) {
    const std::string csv = editedFullCsv();
    std::size_t rows = 0;
    for (auto _ : st)
        rows = vizud::readCsvReference(csv).rows.size();
    st.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_ReadCsvReference)->Unit(benchmark::kMillisecond);

// Applying it to the full database with every option: read, order, names, flags, lists, deletions
// (target < 100 ms).
void BM_ApplyOrderFromCsv(benchmark::State& st) {
    const auto img = vizud::test::makeImage(1, vizud::test::fullShape());
    const std::string csv = editedFullCsv();
    vizud::EditableDatabase rig;
    vizud::ChannelDatabase& db = rig.db;
    int matched = 0;
    for (auto _ : st) {
        rig.reset(st, *img);
        const vizud::CsvOrderResult result =
            vizud::applyOrderFromCsv(db, vizud::readCsvReference(csv), vizud::CsvApplyOptions{true, true, true, true});
        matched = result.error.empty() ? result.match.tvMatched + result.match.radioMatched : -1;
    }
    st.counters["matched"] = matched;
    st.counters["programs"] = db.image().programCount;
}
BENCHMARK(BM_ApplyOrderFromCsv)->Unit(benchmark::kMillisecond);

// Comparing two full databases, the second a rescan of the first: its blocks in reverse, every 50th program
// renamed, every 70th with a new service id (found by name), every 90th with another PID; the lines the
// command line and the dialog show included (target < 20 ms).
void BM_DiffPrograms(benchmark::State& st) {
    const auto oldImg = vizud::test::makeImage(1, vizud::test::fullShape());
    auto newImg = withBlocksReversed(*oldImg);
    for (int p = 0; p < newImg->programCount; ++p) {
        st_program& prog = newImg->programs[p];
        if (p % 50 == 0)
            prog.name[0] = static_cast<char>(prog.name[0] ^ 0x20);
        if (p % 70 == 0)
            prog.serviceId ^= 0x5A5A;
        if (p % 90 == 0)
            ++prog.audioPid;
    }
    std::size_t lines = 0;
    for (auto _ : st) {
        const vizud::ProgramDiff diff = vizud::diffPrograms(*oldImg, *newImg);
        lines = vizud::diffLines(diff, *oldImg, *newImg).size();
    }
    st.counters["differences"] = static_cast<double>(lines);
}
BENCHMARK(BM_DiffPrograms)->Unit(benchmark::kMillisecond);

// The consistency check of a full database (target < 20 ms).
void BM_CheckImage(benchmark::State& st) {
    const auto img = vizud::test::makeImage(1, vizud::test::fullShape());
    std::size_t findings = 0;
    for (auto _ : st)
        findings = vizud::checkImage(*img).size();
    st.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(BM_CheckImage)->Unit(benchmark::kMillisecond);

// The duplicates of a full database after a rescan added 5000 TV programs a second time (target < 20 ms).
void BM_FindDuplicates(benchmark::State& st) {
    const auto img = vizud::test::makeImage(1, vizud::test::fullShape());
    std::copy(img->programs, img->programs + 5000, img->programs + 5000);
    std::size_t groups = 0;
    for (auto _ : st)
        groups = vizud::findDuplicates(*img).size();
    st.counters["groups"] = static_cast<double>(groups);
}
BENCHMARK(BM_FindDuplicates)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

// Transponders from a satellites.xml of 200 satellites and 20000 transponders into a full database of
// 1800 transponders: the file read, the plan made and applied (about 1100 added, the rest matched; target
// < 100 ms).
void BM_ImportTransponders(benchmark::State& st) {
    vizud::test::ImageShape shape = vizud::test::fullShape();
    shape.transponders = 1800;
    const auto img = vizud::test::makeImage(1, shape);
    std::string xml = "<?xml version=\"1.0\"?>\n<satellites>\n";
    for (int s = 0; s < vizud::satelliteCount(*img); ++s) {
        const st_sat& sat = img->satellites[s];
        xml += "<sat name=\"S\" flags=\"0\" position=\"" +
               std::to_string(sat.eastWest == 'W' ? -sat.position : sat.position) + "\">\n";
        std::vector<const st_ts*> own;
        for (int t = 0; t < vizud::transponderCount(*img); ++t)
            if (img->transponders[t].satId == sat.satId)
                own.push_back(&img->transponders[t]);
        for (int k = 0; k < 100; ++k) {
            // Five new ones per satellite, well below any frequency it has; the rest its own, near their frequency.
            const bool fresh = k < 5 || own.empty();
            const int mhz = fresh ? 100 + 10 * k : own[static_cast<std::size_t>(k) % own.size()]->frequency;
            const int polarization = fresh ? 0 : own[static_cast<std::size_t>(k) % own.size()]->polarization;
            xml += "<transponder frequency=\"" + std::to_string(mhz * 1000 + 100 * (k % 5)) +
                   "\" symbol_rate=\"27500000\" polarization=\"" + std::to_string(polarization) +
                   "\" fec_inner=\"3\" system=\"1\" modulation=\"2\"/>\n";
        }
        xml += "</sat>\n";
    }
    xml += "</satellites>\n";
    vizud::EditableDatabase rig;
    vizud::ChannelDatabase& db = rig.db;
    std::size_t added = 0;
    for (auto _ : st) {
        rig.reset(st, *img);
        const vizud::SatellitesXml file = vizud::readSatellitesXml(xml);
        const vizud::TransponderPlan plan = vizud::planTransponderUpdate(db.image(), file);
        if (std::string why; vizud::applyTransponderPlan(db, plan, &why) != 0) {
            st.SkipWithError(why.c_str());
            break;
        }
        added = plan.additions.size();
    }
    st.counters["added"] = static_cast<double>(added);
}
BENCHMARK(BM_ImportTransponders)->Unit(benchmark::kMillisecond);
