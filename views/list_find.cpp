#include "views/list_find.h"

#include <array>
#include <cstring>

#include "database/image_access.h"
#include "dialogs/latin1_text.h"

namespace vizud {
namespace {

// Latin-1 lower case: A-Z and the accented capitals (not the multiplication sign).
constexpr std::array<unsigned char, 256> makeLower() {
    std::array<unsigned char, 256> lower{};
    for (int c = 0; c < 256; ++c) {
        const bool capital = (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
        lower[static_cast<std::size_t>(c)] = static_cast<unsigned char>(capital ? c + 0x20 : c);
    }
    return lower;
}
constexpr auto kLower = makeLower();

bool contains(const char (&name)[16], const std::string& needle) {
    std::size_t length = strnlen(name, sizeof name);
    std::size_t start = 0;
    if (length > 0 && static_cast<unsigned char>(name[0]) >= 1 && static_cast<unsigned char>(name[0]) <= 31)
        start = 1;  // the character-table byte is not part of the name the user sees
    if (length - start < needle.size())
        return false;
    for (std::size_t at = start; at + needle.size() <= length; ++at) {
        std::size_t i = 0;
        while (i < needle.size() &&
               kLower[static_cast<unsigned char>(name[at + i])] == static_cast<unsigned char>(needle[i]))
            ++i;
        if (i == needle.size())
            return true;
    }
    return false;
}

}  // namespace

std::vector<int> findRows(const ChannelDatabase& db, const ListFill& fill, std::string_view text) {
    std::vector<int> rows;
    const std::optional<std::string> latin1 = utf8ToLatin1(text);
    if (!latin1 || latin1->empty())
        return rows;
    std::string needle = *latin1;
    for (char& c : needle)
        c = static_cast<char>(kLower[static_cast<unsigned char>(c)]);
    const all_tables_block& img = db.image();
    const int programs = programCount(img);
    for (std::size_t r = 0; r < fill.rows.size(); ++r) {
        const int program = fill.rows[r].program;
        if (program >= 0 && program < programs && contains(img.programs[program].name, needle))
            rows.push_back(static_cast<int>(r));
    }
    return rows;
}

int nextMatch(int current, int count, bool forward) {
    if (count <= 0)
        return -1;
    if (current < 0 || current >= count)
        return forward ? 0 : count - 1;
    return forward ? (current + 1) % count : (current + count - 1) % count;
}

}  // namespace vizud
