#include "tests/fuzz/fuzz_support.h"

#include <cstring>

#include "database/image_access.h"
#include "tests/support/image_factory.h"

namespace vizud::fuzz {

test::DatabaseFixture& editor() {
    static test::DatabaseFixture fx;
    fx.db.setProgramsDumpPath("");
    fx.messages.clear();
    return fx;
}

void startingImage(all_tables_block& img, unsigned variant) {
    static const auto images = [] {
        std::vector<std::unique_ptr<all_tables_block>> made;
        const test::ImageShape shapes[] = {
            {10, 30, 10, 3, 80, 50, 16},  // a typical small list
            {3, 9, 4, 1, 40, 0, 12},      // radio only
            {2, 4, 2, 0, 25, 25, 400},    // TV only, with full favourite lists
            {0, 0, 0, 0, 0, 0, 0},        // empty
        };
        for (unsigned i = 0; i < std::size(shapes); ++i)
            made.push_back(test::makeImage(100 + i, shapes[i]));
        return made;
    }();
    std::memcpy(&img, images[variant % images.size()].get(), kImageSize);
}

namespace {

// A new value for a field: mostly a small step from the old one, sometimes 0, its maximum or anything.
template <typename T>
T changed(FuzzedDataProvider& in, T current) {
    const int kind = in.ConsumeIntegralInRange<int>(0, 9);
    if (kind < 4)
        return static_cast<T>(kind < 2 ? current + 1 : current - 1);
    if (kind < 7)
        return static_cast<T>(current + in.ConsumeIntegralInRange<int>(-8, 8));
    return kind == 7 ? T{} : kind == 8 ? static_cast<T>(~T{}) : in.ConsumeIntegral<T>();
}

// An index among `count` slots in use, sometimes just past them.
int slot(FuzzedDataProvider& in, int count, int capacity) {
    return in.ConsumeIntegralInRange<int>(0, std::min(std::max(count, 0) + 1, capacity - 1));
}

void changeName(FuzzedDataProvider& in, char (&name)[16]) {
    const std::string bytes = in.ConsumeBytesAsString(in.ConsumeIntegralInRange<std::size_t>(0, 16));
    const std::size_t at = in.ConsumeIntegralInRange<std::size_t>(0, 16 - bytes.size());
    std::memcpy(name + at, bytes.data(), bytes.size());
}

template <typename... T>
void changeOne(FuzzedDataProvider& in, T&... fields) {
    const int pick = in.ConsumeIntegralInRange<int>(0, static_cast<int>(sizeof...(T)) - 1);
    int at = 0;
    ((at++ == pick ? static_cast<void>(fields = changed(in, fields)) : static_cast<void>(0)), ...);
}

}  // namespace

void applyChanges(FuzzedDataProvider& in, all_tables_block& img, int maxChanges) {
    const int changes = in.ConsumeIntegralInRange<int>(0, maxChanges);
    for (int c = 0; c < changes && in.remaining_bytes() > 0; ++c) {
        switch (in.ConsumeIntegralInRange<int>(0, 9)) {
            case 0:
                changeOne(in, img.satCount, img.programCount, img.tvCount, img.tpCount, img.providerCount);
                break;
            case 1: {
                st_program& p = img.programs[slot(in, img.programCount, kMaxPrograms)];
                changeOne(in, p.providerIndex, p.tpIndex, p.serviceId, p.programFlags, p.videoPid);
                break;
            }
            case 2: {
                st_ts& t = img.transponders[slot(in, img.tpCount, kMaxTransponders)];
                changeOne(in, t.satId, t.polarization, t.fec, t.frequency);
                break;
            }
            case 3: {
                st_sat& s = img.satellites[slot(in, img.satCount, kMaxSatellites)];
                if (in.ConsumeBool())
                    s.eastWest = static_cast<std::int8_t>(in.PickValueInArray<char>({'E', 'W', 0, 'x'}));
                else
                    changeOne(in, s.satId, s.tpCount, s.position);
                break;
            }
            case 4:
                changeName(in, img.programs[slot(in, img.programCount, kMaxPrograms)].name);
                break;
            case 5: {
                char(*names[])[16] = {&img.providers[slot(in, img.providerCount, kMaxProviders)].name,
                                      &img.satellites[slot(in, img.satCount, kMaxSatellites)].name,
                                      &img.favourites[in.ConsumeIntegralInRange<int>(0, kFavouriteLists - 1)].favName};
                changeName(in, *names[in.ConsumeIntegralInRange<int>(0, 2)]);
                break;
            }
            case 6: {
                st_fav& list = img.favourites[in.ConsumeIntegralInRange<int>(0, kFavouriteLists - 1)];
                if (in.ConsumeBool())
                    changeOne(in, list.favCount, list.favTvCount);
                else
                    changeOne(in, list.favEntries[slot(in, list.favCount, kMaxFavouriteEntries)]);
                break;
            }
            case 7:
                img.imageCrc = in.ConsumeIntegral<std::uint32_t>();
                break;
            default: {
                auto* bytes = reinterpret_cast<std::uint8_t*>(&img);
                bytes[in.ConsumeIntegralInRange<std::size_t>(0, kImageSize - 1)] = in.ConsumeIntegral<std::uint8_t>();
                break;
            }
        }
    }
}

bool openInPlace(ChannelDatabase& db) {
    if (!countsWithinCapacity(db.image()))
        return false;
    db.setLoaded(1);
    db.removeUnusedProviders();
    return true;
}

}  // namespace vizud::fuzz
