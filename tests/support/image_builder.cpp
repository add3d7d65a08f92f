#include "tests/support/image_builder.h"

#include <algorithm>

#include "tests/support/image_factory.h"

namespace vizud::test {

int ImageBuilder::satellite(int satId, std::string_view name, int position) {
    const int index = m_image.satCount++;
    st_sat& sat = m_image.satellites[index];
    sat = st_sat{};
    sat.satId = static_cast<std::uint16_t>(satId);
    sat.position = static_cast<std::uint16_t>(position);
    setName(sat.name, name);
    sat.lnbLowLo = 9750;
    sat.lnbHighLo = 10600;
    sat.eastWest = 'E';
    return index;
}

int ImageBuilder::transponder(int satId, int frequency, int polarization, int symbolRate) {
    const int index = m_image.tpCount++;
    st_ts& tp = m_image.transponders[index];
    tp = st_ts{};
    tp.satId = static_cast<std::uint8_t>(satId);
    tp.polarization = static_cast<std::uint8_t>(polarization);
    tp.frequency = static_cast<std::uint16_t>(frequency);
    tp.symbolRate = static_cast<std::uint16_t>(symbolRate);
    for (int s = 0; s < m_image.satCount; ++s) {
        if (m_image.satellites[s].satId == satId) {
            m_image.satellites[s].tpCount++;
            break;
        }
    }
    return index;
}

int ImageBuilder::provider(std::string_view name) {
    const int index = m_image.providerCount++;
    setName(m_image.providers[index].name, name);
    return index;
}

int ImageBuilder::program(std::string_view name, int tpIndex, int providerIndex, bool tv, int serviceId) {
    const int index = m_image.programCount++;
    m_image.tvCount += tv ? 1 : 0;
    st_program& prog = m_image.programs[index];
    prog = st_program{};
    prog.serviceId = static_cast<std::uint16_t>(serviceId);
    prog.tpIndex = static_cast<std::uint16_t>(tpIndex);
    prog.providerIndex = static_cast<std::uint16_t>(providerIndex);
    prog.videoPid = 0x1FFF;
    prog.audioPid = 100;
    prog.pcrPid = 0x7FFF;
    setName(prog.name, name);
    return index;
}

void ImageBuilder::favourites(int list, std::initializer_list<int> tvEntries, std::initializer_list<int> radioEntries) {
    st_fav& fav = m_image.favourites[list];
    std::copy(tvEntries.begin(), tvEntries.end(), fav.favEntries);
    std::copy(radioEntries.begin(), radioEntries.end(), fav.favEntries + tvEntries.size());
    fav.favTvCount = static_cast<std::uint16_t>(tvEntries.size());
    fav.favCount = static_cast<std::uint16_t>(tvEntries.size() + radioEntries.size());
}

}  // namespace vizud::test
