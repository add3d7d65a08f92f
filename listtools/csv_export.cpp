#include "listtools/csv_export.h"

#include <cstring>
#include <vector>

#include "database/image_access.h"
#include "listtools/program_place.h"
#include "listtools/shown_name.h"

namespace vizud {
std::string satellitePosition(const st_sat& sat) {
    return std::to_string(sat.position / 10) + "." + std::to_string(sat.position % 10) +
           (sat.eastWest == 'E' ? "E" : "W");
}

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + "\"";
}

std::string exportCsv(const all_tables_block& img) {
    const int programs = programCount(img);
    const int tv = std::min<int>(img.tvCount, programs);
    const int providers = providerCount(img);

    // Which lists hold each program, gathered once.
    std::vector<std::uint16_t> lists(static_cast<std::size_t>(programs), 0);
    for (int l = 0; l < kFavouriteLists; ++l) {
        const st_fav& list = img.favourites[l];
        for (int i = 0; i < favouriteCount(list); ++i) {
            if (list.favEntries[i] < programs)
                lists[list.favEntries[i]] |= static_cast<std::uint16_t>(1u << l);
        }
    }
    const ProgramPlaces places(img);

    std::string out = std::string(kCsvHeader) + "\r\n";
    out.reserve(static_cast<std::size_t>(programs) * 110);
    for (int p = 0; p < programs; ++p) {
        const st_program& prog = img.programs[p];
        std::vector<std::string> f;
        f.reserve(19);
        f.push_back(std::to_string(p + 1));
        f.push_back(p < tv ? "TV" : "Radio");
        f.push_back(shownName(prog.name));
        f.push_back(prog.providerIndex < providers ? shownName(img.providers[prog.providerIndex].name) : "");
        const ProgramPlace place = places.of(prog);
        const st_ts* tp = place.transponder;
        f.push_back(place.satellite != nullptr ? shownName(place.satellite->name) : "");
        f.push_back(place.satellite != nullptr ? satellitePosition(*place.satellite) : "");
        f.push_back(tp != nullptr ? std::to_string(tp->frequency) : "");
        static constexpr const char* kPolarizations[] = {"H", "V", "L", "R"};
        f.push_back(tp != nullptr && tp->polarization < 4 ? kPolarizations[tp->polarization] : "");
        f.push_back(tp != nullptr ? std::to_string(tp->symbolRate) : "");
        f.push_back(tp == nullptr ? "" : tp->fec == 0 ? "DVBS" : tp->fec <= 7 ? "DVBS2" : "");
        f.push_back(std::to_string(prog.serviceId));
        f.push_back(std::to_string(prog.videoPid));
        f.push_back(std::to_string(prog.audioPid));
        f.push_back(std::to_string(prog.pcrPid));
        for (const int bit : {0, 1, 2, 5})
            f.push_back((prog.programFlags >> bit) & 1 ? "1" : "0");
        std::string digits;
        for (int l = 0; l < kFavouriteLists; ++l) {
            if (lists[static_cast<std::size_t>(p)] & (1u << l))
                digits += static_cast<char>('1' + l);
        }
        f.push_back(digits);
        for (std::size_t i = 0; i < f.size(); ++i) {
            if (i > 0)
                out += ',';
            out += csvField(f[i]);
        }
        out += "\r\n";
    }
    return out;
}

}  // namespace vizud
