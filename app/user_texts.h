// The texts the Qt-free code hands a user (messages and questions, check findings, transfer states, tree
// tips, column headers, dialog titles): one table of English sources for the German catalogue, and the
// rule that finds a shown text's source so the window can show it translated. A source with %1, %2, ...
// stands for every line formatted from it; its values are put back into the translation, and a value that
// is itself a source (a list name in a tip, a subject in a finding) is translated as well.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vizud {

// The catalogue's context: the German catalogue holds these sources under this name.
inline constexpr const char* kUserTextsContext = "vizud::UserTexts";

const std::vector<std::string_view>& userTexts();

// Returns the translation of a source, or an empty string when the catalogue has none.
using TextLookup = std::function<std::string(const char* source)>;

// `text` translated line by line: a line that is a source or formatted from one becomes lookup(source)
// with its values put back; any other line, or one whose source has no translation, stays as it is.
std::string translateText(std::string_view text, const TextLookup& lookup);

// true when every line of `text` is empty, a source, formatted from a source, or a file's path with the
// system's reason: such a text can be shown in every language of the catalogue.
bool knownText(std::string_view text);

}  // namespace vizud
