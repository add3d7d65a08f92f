// Hand-made images for tests that need exact contents: append records one by one, counts follow.
#pragma once

#include <initializer_list>
#include <string_view>

#include "database/image_layout.h"

namespace vizud::test {

class ImageBuilder {
public:
    explicit ImageBuilder(all_tables_block& image) : m_image(image) {}

    // Appends a satellite; returns its index.
    int satellite(int satId, std::string_view name, int position = 192);
    // Appends a transponder and raises its satellite's tpCount; returns its index.
    int transponder(int satId, int frequency, int polarization = 0, int symbolRate = 27500);
    int provider(std::string_view name);
    // Appends a program (TV programs must come before radio ones); returns its index.
    int program(std::string_view name, int tpIndex, int providerIndex, bool tv, int serviceId = 0);
    // Sets list `list` to the given TV entries followed by the radio entries.
    void favourites(int list, std::initializer_list<int> tvEntries, std::initializer_list<int> radioEntries);

private:
    all_tables_block& m_image;
};

}  // namespace vizud::test
