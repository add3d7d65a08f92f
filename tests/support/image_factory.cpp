#include "tests/support/image_factory.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <string>
#include <vector>

#include "database/image_crc.h"

namespace vizud::test {
namespace {

int uniform(std::mt19937& rng, int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(rng);
}

std::string randomName(std::mt19937& rng, const char* prefix, int number) {
    std::string name = prefix + std::to_string(number);
    // Some names use the full 16 bytes (no terminator), some start with a character-table byte.
    const int style = uniform(rng, 0, 9);
    if (style == 0) {
        name.resize(16, 'x');
    } else if (style == 1) {
        name.insert(name.begin(), static_cast<char>(uniform(rng, 1, 31)));
    } else if (style == 2) {
        name += static_cast<char>(uniform(rng, 0xC0, 0xFE));
    }
    return name.substr(0, 16);
}

}  // namespace

void setName(char (&field)[16], std::string_view name) {
    std::memset(field, 0, sizeof(field));
    std::memcpy(field, name.data(), std::min<std::size_t>(name.size(), sizeof(field)));
}

ImageShape fullShape() {
    return {kMaxSatellites, kMaxTransponders, kMaxProviders,       kMaxProviders / 2,
            kMaxPrograms,   kMaxPrograms / 2, kMaxFavouriteEntries};
}

ImageShape randomShape(std::mt19937& rng) {
    ImageShape shape;
    shape.satellites = uniform(rng, 1, 12);
    shape.transponders = uniform(rng, 1, 60);
    shape.providers = uniform(rng, 1, 20);
    shape.unusedProviders = uniform(rng, 0, shape.providers - 1);
    shape.programs = uniform(rng, 0, 150);
    shape.tv = uniform(rng, 0, shape.programs);
    shape.favouriteEntries = uniform(rng, 0, 30);
    return shape;
}

void makeImage(all_tables_block& image, std::uint32_t seed, const ImageShape& shape) {
    std::mt19937 rng(seed);
    auto* bytes = reinterpret_cast<std::uint8_t*>(&image);
    for (std::size_t i = 0; i < kImageSize; ++i)
        bytes[i] = static_cast<std::uint8_t>(rng());

    image.satCount = static_cast<std::uint16_t>(shape.satellites);
    std::vector<int> ids(255);
    std::iota(ids.begin(), ids.end(), 0);
    std::shuffle(ids.begin(), ids.end(), rng);
    for (int s = 0; s < shape.satellites; ++s) {
        st_sat& sat = image.satellites[s];
        // Most images number satellites by table index; some do not.
        sat.satId = static_cast<std::uint16_t>(shape.satellites <= 255 && s % 3 == 0 ? ids[s] : s);
        sat.position = static_cast<std::uint16_t>(uniform(rng, 0, 1800));
        setName(sat.name, randomName(rng, "Sat ", s));
        sat.tpCount = 0;
        sat.tone22k = static_cast<std::int8_t>(uniform(rng, 0, 2));
        sat.lnbLowLo = 9750;
        sat.lnbHighLo = 10600;
        sat.diseqcMode = static_cast<std::int8_t>(uniform(rng, 0, 6));
        sat.motorEnabled = static_cast<std::uint8_t>(uniform(rng, 0, 1));
        sat.positionerNo = static_cast<std::uint8_t>(uniform(rng, 0, 60));
        sat.auxByte = static_cast<std::uint8_t>(rng());
        sat.diseqc11Port = static_cast<std::uint16_t>(uniform(rng, 0, 9));
        sat.eastWest = uniform(rng, 0, 1) ? 'E' : 'W';
    }
    // Keep satIds unique: a collision between an shuffled id and an index id is replaced by a fresh one.
    for (int s = 0; s < shape.satellites; ++s) {
        for (int t = 0; t < s; ++t) {
            if (image.satellites[t].satId == image.satellites[s].satId)
                image.satellites[s].satId = static_cast<std::uint16_t>(1000 + s);
        }
    }

    // Transponders grouped by satellite in table order, ascending frequency within a satellite.
    struct Tp {
        int sat;
        st_ts record;
    };
    std::vector<Tp> tps;
    const int tpSats = std::count_if(image.satellites, image.satellites + shape.satellites,
                                     [](const st_sat& s) { return s.satId <= 255; });
    for (int t = 0; t < shape.transponders && tpSats > 0; ++t) {
        int sat;
        do {
            sat = t < shape.satellites ? t % shape.satellites : uniform(rng, 0, shape.satellites - 1);
            if (image.satellites[sat].satId > 255)
                sat = uniform(rng, 0, shape.satellites - 1);
        } while (image.satellites[sat].satId > 255);
        st_ts record{};
        record.satId = static_cast<std::uint8_t>(image.satellites[sat].satId);
        record.reserved1 = static_cast<std::uint8_t>(rng());
        record.polarization = static_cast<std::uint8_t>(uniform(rng, 0, 3));
        record.fec = static_cast<std::uint8_t>(uniform(rng, 0, 7));
        record.tsId = static_cast<std::uint16_t>(rng());
        record.networkId = static_cast<std::uint16_t>(rng());
        record.originalNetworkId = static_cast<std::uint16_t>(rng());
        record.frequency = static_cast<std::uint16_t>(uniform(rng, 10700, 12750));
        record.symbolRate = static_cast<std::uint16_t>(uniform(rng, 1000, 45000));
        tps.push_back({sat, record});
    }
    std::stable_sort(tps.begin(), tps.end(), [](const Tp& a, const Tp& b) {
        return a.sat != b.sat ? a.sat < b.sat : a.record.frequency < b.record.frequency;
    });
    // No two transponders of a satellite share a frequency: the editor refuses such a duplicate.
    for (std::size_t t = 1; t < tps.size(); ++t) {
        if (tps[t].sat == tps[t - 1].sat && tps[t].record.frequency <= tps[t - 1].record.frequency)
            tps[t].record.frequency = static_cast<std::uint16_t>(tps[t - 1].record.frequency + 1);
    }
    image.tpCount = static_cast<std::uint16_t>(tps.size());
    for (std::size_t t = 0; t < tps.size(); ++t) {
        image.transponders[t] = tps[t].record;
        image.satellites[tps[t].sat].tpCount++;
    }

    image.providerCount = static_cast<std::uint16_t>(shape.providers);
    std::vector<int> order(shape.providers);
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), rng);
    for (int i = 0; i < shape.providers; ++i)
        setName(image.providers[i].name, randomName(rng, "Provider ", i));
    std::vector<int> usedProviders(order.begin() + std::min(shape.unusedProviders, shape.providers), order.end());
    std::sort(usedProviders.begin(), usedProviders.end());

    image.programCount = static_cast<std::uint16_t>(shape.programs);
    image.tvCount = static_cast<std::uint16_t>(shape.tv);
    for (int p = 0; p < shape.programs; ++p) {
        st_program& prog = image.programs[p];
        prog.serviceId = static_cast<std::uint16_t>(rng());
        // Every used provider gets at least one program when there are enough programs.
        const int pick = p < static_cast<int>(usedProviders.size()) ? p : uniform(rng, 0, usedProviders.size() - 1);
        prog.providerIndex = static_cast<std::uint16_t>(usedProviders.empty() ? 0 : usedProviders[pick]);
        prog.tpIndex = static_cast<std::uint16_t>(tps.empty() ? 0 : uniform(rng, 0, tps.size() - 1));
        prog.videoPid = static_cast<std::uint16_t>(p < shape.tv ? uniform(rng, 17, 8190) : 0x1FFF);
        prog.audioPid = static_cast<std::uint16_t>(uniform(rng, 17, 8190));
        prog.pcrPid = static_cast<std::uint16_t>(uniform(rng, 0, 3) == 0 ? 0x7FFF : uniform(rng, 17, 8190));
        prog.programFlags = static_cast<std::uint16_t>(rng() & 0x27);
        setName(prog.name, randomName(rng, p < shape.tv ? "TV " : "Radio ", p));
    }

    for (int l = 0; l < kFavouriteLists; ++l) {
        st_fav& list = image.favourites[l];
        setName(list.favName, "Fav_" + std::to_string(l + 1));
        const int radioPrograms = shape.programs - shape.tv;
        const int wanted = std::min(shape.favouriteEntries, kMaxFavouriteEntries);
        const int tvEntries = std::min(shape.tv, wanted / 2 + (wanted % 2));
        const int radioEntries = std::min(radioPrograms, wanted - tvEntries);
        std::vector<int> tvPick(shape.tv), radioPick(radioPrograms);
        std::iota(tvPick.begin(), tvPick.end(), 0);
        std::iota(radioPick.begin(), radioPick.end(), shape.tv);
        std::shuffle(tvPick.begin(), tvPick.end(), rng);
        std::shuffle(radioPick.begin(), radioPick.end(), rng);
        std::copy_n(tvPick.begin(), tvEntries, list.favEntries);
        std::copy_n(radioPick.begin(), radioEntries, list.favEntries + tvEntries);
        list.favTvCount = static_cast<std::uint16_t>(tvEntries);
        list.favCount = static_cast<std::uint16_t>(tvEntries + radioEntries);
    }
    refreshCrc(image);
}

std::unique_ptr<all_tables_block> makeImage(std::uint32_t seed, const ImageShape& shape) {
    auto image = std::make_unique<all_tables_block>();
    makeImage(*image, seed, shape);
    return image;
}

}  // namespace vizud::test
