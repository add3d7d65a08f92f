// Shortening a cell's text that does not fit, the way the program list always did: characters are
// dropped from the end until the rest and "..." fit, keeping at least the first character.
#pragma once

namespace vizud {

// `widthOf` measures a text; `Text` needs size(), left(n) (or substr) and + with a "..." of its kind.
template <typename Text, typename Width>
Text elideWithDots(const Text& text, int available, const Text& dots, Width widthOf) {
    if (widthOf(text) <= available || text.size() <= 1)
        return text;
    const int dotsWidth = widthOf(dots);
    auto keep = text.size() - 1;
    while (keep > 1 && widthOf(text.left(keep)) + dotsWidth > available)
        --keep;
    return text.left(keep) + dots;
}

}  // namespace vizud
