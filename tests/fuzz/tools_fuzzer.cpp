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

void require(bool holds) {
    if (!holds)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::Editor editor;
    ChannelDatabase& db = editor.db;
    const auto& state = editor.state;
    const auto& img = editor.img;
    static auto reference = std::make_unique<all_tables_block>();

    FuzzedDataProvider in(data, size);
    const std::uint8_t how = in.ConsumeIntegral<std::uint8_t>();
    fuzz::startingImage(*img, how & 3);
    fuzz::applyChanges(in, *img, 12);

    // The check reads the image as it is; its repair leaves nothing repairable. (A quarter of the inputs:
    // each check and repair runs the CRC over the whole image.)
    const bool repair = (how & 0xC0) == 0xC0;
    if (repair)
        (void)reportText(checkImage(*img));
    if (repair && countsWithinCapacity(*img)) {
        std::memcpy(reference.get(), img.get(), kImageSize);
        repairImage(*reference);
        for (const Finding& finding : checkImage(*reference))
            require(!isRepairable(finding));
    }

    if (!fuzz::openImage(db, *state, *img))
        return 0;
    if ((how & 0xC0) == 0x40)
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
            fuzz::applyChanges(in, *reference, 12);
            applyOrder(db, *reference, in.ConsumeBool());
            break;
    }
    require(programSet(state->image) == before);
    return 0;
}
