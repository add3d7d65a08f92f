#include "dialogs/latin1_text.h"

#include <algorithm>
#include <cstdint>

namespace vizud {

std::string latin1ToUtf8(std::string_view latin1) {
    // Most names are plain ASCII, the same bytes in both: one copy. (The list and the tools convert every
    // name they show.)
    const auto ascii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
    if (std::all_of(latin1.begin(), latin1.end(), ascii))
        return std::string(latin1);
    std::string out;
    out.reserve(latin1.size() * 2);
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out.push_back(c);
        } else {
            out.push_back(static_cast<char>(0xC0 | (byte >> 6)));
            out.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
        }
    }
    return out;
}

std::optional<std::string> utf8ToLatin1(std::string_view utf8, std::string* offending) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            out.push_back(static_cast<char>(lead));
            ++i;
            continue;
        }
        // Length of this UTF-8 sequence, so the offending character can be named whole.
        std::size_t length = 1;
        if ((lead & 0xE0) == 0xC0)
            length = 2;
        else if ((lead & 0xF0) == 0xE0)
            length = 3;
        else if ((lead & 0xF8) == 0xF0)
            length = 4;
        length = std::min(length, utf8.size() - i);
        const bool latin1 =
            length == 2 && (lead == 0xC2 || lead == 0xC3) && (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80;
        if (!latin1) {
            if (offending != nullptr)
                *offending = std::string(utf8.substr(i, length));
            return std::nullopt;
        }
        out.push_back(static_cast<char>(((lead & 0x03) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F)));
        i += 2;
    }
    return out;
}

std::string unstorableCharacterText(std::string_view fieldLabel, std::string_view character) {
    return std::string(fieldLabel) + ": the character '" + std::string(character) +
           "' cannot be stored in the box's channel list.";
}

}  // namespace vizud
