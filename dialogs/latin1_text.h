// The box stores names as single bytes, each the character of the same code (Latin-1); the editor shows
// and takes them as Unicode (UTF-8). These convert between the two at the dialogs' edge.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vizud {

std::string latin1ToUtf8(std::string_view latin1);

// The Latin-1 bytes of a UTF-8 text; nothing when it holds a character Latin-1 cannot hold (or is not
// UTF-8), with that character (as UTF-8) in `offending` when given.
std::optional<std::string> utf8ToLatin1(std::string_view utf8, std::string* offending = nullptr);

// The message that refuses a typed text with such a character, naming the field.
std::string unstorableCharacterText(std::string_view fieldLabel, std::string_view character);

}  // namespace vizud
