// The channel-list tools on changed images: the export, the check and its repair, the sorts and the
// order from a second changed image. Besides what the sanitizers catch, each tool keeps its promise:
// a repaired image has nothing left to repair, and a sort or a reordering only permutes the programs.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "database/image_access.h"
#include "listtools/apply_order.h"
#include "listtools/csv_export.h"
#include "listtools/database_check.h"
#include "listtools/list_sort.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

using namespace vizud;

// A fingerprint of the programs that does not depend on their order: the count, and the sum and the xor
// of a hash of each record. Equal for two orders of one table; a program lost, doubled or changed shows.
struct ProgramSet {
    int count = 0;
    std::uint64_t sum = 0;
    std::uint64_t mix = 0;
    bool operator==(const ProgramSet&) const = default;
};

ProgramSet programSet(const all_tables_block& img) {
    ProgramSet set;
    set.count = img.programCount;
    for (int p = 0; p < img.programCount; ++p) {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(&img.programs[p]);
        std::uint64_t hash = 1469598103934665603ull;
        for (std::size_t b = 0; b < sizeof(st_program); ++b)
            hash = (hash ^ bytes[b]) * 1099511628211ull;
        set.sum += hash;
        set.mix ^= hash * 0x9E3779B97F4A7C15ull;
    }
    return set;
}

// A count within its table but far beyond the records the image was made with turns thousands of random
// free slots into records: thousands of findings and export lines, slow to format and nothing new to the
// tools. Such a count is brought back to 64 beyond; counts beyond the table stay (the capacity finding).
struct Counts {
    std::uint16_t programs, tv, transponders, satellites, providers;
};

Counts countsOf(const all_tables_block& img) {
    return {img.programCount, img.tvCount, img.tpCount, img.satCount, img.providerCount};
}

// Changes the image as the input says, keeping its counts near the ones it was made with.
void change(FuzzedDataProvider& in, all_tables_block& img) {
    const Counts made = countsOf(img);
    fuzz::applyChanges(in, img, 12);
    const auto near = [](std::uint16_t& count, std::uint16_t madeCount, int capacity) {
        if (count <= capacity && count > madeCount + 64)
            count = static_cast<std::uint16_t>(madeCount + 64);
    };
    near(img.programCount, made.programs, kMaxPrograms);
    near(img.tvCount, made.tv, kMaxPrograms);
    near(img.tpCount, made.transponders, kMaxTransponders);
    near(img.satCount, made.satellites, kMaxSatellites);
    near(img.providerCount, made.providers, kMaxProviders);
}

void require(bool holds) {
    if (!holds)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::Editor editor;
    ChannelDatabase& db = editor.db;
    const auto& state = editor.state;
    static auto reference = std::make_unique<all_tables_block>();

    FuzzedDataProvider in(data, size);
    const std::uint8_t how = in.ConsumeIntegral<std::uint8_t>();
    all_tables_block& img = state->image;
    fuzz::startingImage(img, how & 3);
    change(in, img);

    // The check reads the image as it is, and its repair leaves nothing repairable. Each on one input in
    // eight: a check runs the CRC over the whole image and words every finding.
    const int tool = how >> 5;
    if (tool == 7)
        (void)reportText(checkImage(img));
    if (tool == 6 && countsWithinCapacity(img)) {
        std::memcpy(reference.get(), &img, kImageSize);
        repairImage(*reference);
        for (const Finding& finding : checkImage(*reference))
            require(!isRepairable(finding));
    }

    if (!fuzz::openInPlace(db))
        return 0;
    if (tool == 5)
        (void)exportCsv(state->image);
    const ProgramSet before = programSet(state->image);
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
            applyOrder(db, *reference, in.ConsumeBool());
            break;
    }
    require(programSet(state->image) == before);
    return 0;
}
