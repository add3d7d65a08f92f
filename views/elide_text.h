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
    // A longer start is never narrower: the longest start that fits with the dots is found by halving,
    // which measures a long name a few times instead of once per dropped character.
    using Size = decltype(text.size());
    Size fits = 1;  // the longest start known to fit (at least the first character stays)
    Size low = 2;
    Size high = text.size() - 1;  // the whole text does not fit
    while (low <= high) {
        const auto middle = low + (high - low) / 2;
        if (widthOf(text.left(middle)) + dotsWidth <= available) {
            fits = middle;
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    return text.left(fits) + dots;
}

}  // namespace vizud
