// A stored name as the editor shows it: without a leading character-table byte (1..31), as UTF-8.
#pragma once

#include <cstring>
#include <string>

#include "dialogs/latin1_text.h"

namespace vizud {

inline std::string shownName(const char (&name)[16]) {
    std::string text(name, strnlen(name, sizeof name));
    if (!text.empty() && static_cast<unsigned char>(text[0]) >= 1 && static_cast<unsigned char>(text[0]) <= 31)
        text.erase(0, 1);
    return latin1ToUtf8(text);
}

}  // namespace vizud
