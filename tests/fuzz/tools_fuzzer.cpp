// The channel-list tools on changed images: the export, the check and its repair, the sorts, the order
// from and the comparison with a second changed image, and the duplicates. Besides what the sanitizers
// catch, each tool keeps its promise: a repaired image has nothing left to repair, a sort or a reordering
// only permutes the programs, a comparison accounts for every program once, and a removal of the
// duplicates leaves none.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "database/image_access.h"
#include "listtools/apply_order.h"
#include "listtools/csv_export.h"
#include "listtools/database_check.h"
#include "listtools/duplicates.h"
#include "listtools/list_sort.h"
#include "listtools/program_diff.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

using namespace vizud;

// The programs' records, sorted: equal for two orders of one table; a program lost, doubled or changed shows.
std::vector<std::string> programSet(const all_tables_block& img) {
    std::vector<std::string> set;
    for (int p = 0; p < img.programCount; ++p)
        set.emplace_back(reinterpret_cast<const char*>(&img.programs[p]), sizeof(st_program));
    std::sort(set.begin(), set.end());
    return set;
}

// Changes the image as the input says; a count within its table but far beyond the records the image was
// made with (thousands of random records, slow and nothing new) is brought back to 64 beyond.
void change(FuzzedDataProvider& in, all_tables_block& img) {
    std::uint16_t* const counts[] = {&img.programCount, &img.tvCount, &img.tpCount, &img.satCount, &img.providerCount};
    const int capacities[] = {kMaxPrograms, kMaxPrograms, kMaxTransponders, kMaxSatellites, kMaxProviders};
    int made[std::size(counts)];
    for (std::size_t i = 0; i < std::size(counts); ++i)
        made[i] = *counts[i];
    fuzz::applyChanges(in, img, 12);
    for (std::size_t i = 0; i < std::size(counts); ++i)
        if (*counts[i] <= capacities[i] && *counts[i] > made[i] + 64)
            *counts[i] = static_cast<std::uint16_t>(made[i] + 64);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    test::DatabaseFixture& fx = fuzz::editor();
    ChannelDatabase& db = fx.db;
    static auto reference = std::make_unique<all_tables_block>();

    FuzzedDataProvider in(data, size);
    const std::uint8_t how = in.ConsumeIntegral<std::uint8_t>();
    all_tables_block& img = fx.image();
    fuzz::startingImage(img, how & 3);
    change(in, img);

    // The check reads the image as it is, and its repair leaves nothing repairable (each on one input in 8).
    const int tool = how >> 5;
    if (tool == 7)
        (void)reportText(checkImage(img));
    if (tool == 6 && countsWithinCapacity(img)) {
        std::memcpy(reference.get(), &img, kImageSize);
        repairImage(*reference);
        for (const Finding& finding : checkImage(*reference))
            fuzz::require(!isRepairable(finding));
    }

    if (!fuzz::openInPlace(db))
        return 0;
    if (tool == 5)
        (void)exportCsv(img);
    const auto before = programSet(img);
    const auto key = in.PickValueInArray({SortKey::Name, SortKey::Provider, SortKey::Transponder});
    switch ((how >> 2) & 3) {
        case 0:
            sortPrograms(db, key);
            break;
        case 1:
            sortListEntries(db, in.ConsumeIntegralInRange<int>(0, kFavouriteLists), key);
            break;
        default:
            fuzz::startingImage(*reference, in.ConsumeIntegral<std::uint8_t>());
            change(in, *reference);
            {
                // Every program of either image is matched once or is added (NEW) or removed (OLD).
                const ProgramDiff diff = diffPrograms(*reference, img);
                fuzz::require(diff.added.size() + programCount(*reference) == diff.removed.size() + programCount(img));
                (void)diffText(diffLines(diff, *reference, img), diff);
            }
            applyOrder(db, *reference, in.ConsumeBool());
            break;
    }
    fuzz::require(programSet(img) == before);
    if (tool == 4) {
        // Every member of a group can be described; after the removal no group is left.
        (void)describeGroups(img, findDuplicates(img));
        const int programs = img.programCount;
        const int removed = removeDuplicates(db).removed;
        fuzz::require(img.programCount == programs - removed && findDuplicates(img).empty());
    }
    return 0;
}
