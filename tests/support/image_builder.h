// Hand-made images for tests that need exact contents: append records one by one, counts follow.
#pragma once

#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "database/image_layout.h"
#include "tests/support/image_factory.h"

namespace vizud::test {

class ImageBuilder {
public:
    explicit ImageBuilder(all_tables_block& image) : m_image(image) {}

    // Appends a satellite; returns its index.
    int satellite(int satId, std::string_view name, int position = 192) {
        st_sat& sat = m_image.satellites[m_image.satCount] = st_sat{};
        sat.satId = static_cast<std::uint16_t>(satId);
        sat.position = static_cast<std::uint16_t>(position);
        setName(sat.name, name);
        sat.lnbLowLo = 9750;
        sat.lnbHighLo = 10600;
        sat.eastWest = 'E';
        return m_image.satCount++;
    }
    // Appends a transponder and raises the tpCount of its satellite's first record; returns its index.
    int transponder(int satId, int frequency, int polarization = 0, int symbolRate = 27500) {
        st_ts& tp = m_image.transponders[m_image.tpCount] = st_ts{};
        tp.satId = static_cast<std::uint8_t>(satId);
        tp.polarization = static_cast<std::uint8_t>(polarization);
        tp.frequency = static_cast<std::uint16_t>(frequency);
        tp.symbolRate = static_cast<std::uint16_t>(symbolRate);
        st_sat* const end = m_image.satellites + m_image.satCount;
        st_sat* const sat = std::find_if(m_image.satellites, end, [&](const st_sat& s) { return s.satId == satId; });
        if (sat != end)
            ++sat->tpCount;
        return m_image.tpCount++;
    }
    int provider(std::string_view name) {
        setName(m_image.providers[m_image.providerCount].name, name);
        return m_image.providerCount++;
    }
    // Appends a program (TV programs must come before radio ones); returns its index.
    int program(std::string_view name, int tpIndex, int providerIndex, bool tv, int serviceId = 0) {
        st_program& prog = m_image.programs[m_image.programCount] = st_program{};
        m_image.tvCount += tv ? 1 : 0;
        prog.serviceId = static_cast<std::uint16_t>(serviceId);
        prog.tpIndex = static_cast<std::uint16_t>(tpIndex);
        prog.providerIndex = static_cast<std::uint16_t>(providerIndex);
        prog.videoPid = 0x1FFF;
        prog.audioPid = 100;
        prog.pcrPid = 0x7FFF;
        setName(prog.name, name);
        return m_image.programCount++;
    }
    // Sets list `list` to the given TV entries followed by the radio entries.
    void favourites(int list, std::initializer_list<int> tvEntries, std::initializer_list<int> radioEntries) {
        st_fav& fav = m_image.favourites[list];
        std::copy(radioEntries.begin(), radioEntries.end(),
                  std::copy(tvEntries.begin(), tvEntries.end(), fav.favEntries));
        fav.favTvCount = static_cast<std::uint16_t>(tvEntries.size());
        fav.favCount = static_cast<std::uint16_t>(tvEntries.size() + radioEntries.size());
    }

private:
    all_tables_block& m_image;
};

}  // namespace vizud::test
