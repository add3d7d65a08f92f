#include "dialogs/field_rules.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace vizud {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::string databaseErrorText(int code, int result) {
    return "Error: " + std::to_string(code) + "->(" + std::to_string(result) + ")";
}

std::optional<std::int32_t> parseDecimal(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i >= text.size() || !isDigit(text[i]))
        return std::nullopt;
    const std::int64_t limit = negative ? -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min())
                                        : std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::string_view firstChars(std::string_view text, std::size_t count) {
    return text.substr(0, count);
}

ShownName showName(std::string_view stored) {
    ShownName shown;
    const std::string_view name = stored.substr(0, std::min(stored.find('\0'), stored.size()));
    if (!name.empty() && static_cast<unsigned char>(name[0]) >= 1 && static_cast<unsigned char>(name[0]) <= 31) {
        shown.leadByte = static_cast<std::uint8_t>(name[0]);
        shown.text = std::string(name.substr(1));
    } else {
        shown.text = std::string(name);
    }
    return shown;
}

std::string storedName(std::string_view field, std::uint8_t leadByte) {
    if (leadByte != 0)
        return std::string(1, static_cast<char>(leadByte)) + std::string(firstChars(field, 14));
    return std::string(firstChars(field, 15));
}

std::string degreeText(int tenths) {
    if (tenths < 10)
        return "0," + std::to_string(tenths);
    const std::string digits = std::to_string(tenths);
    return digits.substr(0, digits.size() - 1) + "," + digits.substr(digits.size() - 1);
}

std::optional<int> degreeTenths(std::string_view text) {
    // Read in decimal digits rather than through a binary fraction, so 19,2 is exactly 192 tenths.
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    bool anyDigit = false;
    std::int64_t whole = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        anyDigit = true;
        whole = std::min<std::int64_t>(whole * 10 + (text[i] - '0'), std::int64_t{1} << 40);
    }
    int tenth = 0;
    if (i < text.size() && (text[i] == ',' || text[i] == '.')) {
        ++i;
        if (i < text.size() && isDigit(text[i])) {
            anyDigit = true;
            tenth = text[i] - '0';
        }
    }
    if (!anyDigit)
        return std::nullopt;
    const std::int64_t tenths = whole * 10 + tenth;
    if (tenths > std::numeric_limits<std::uint16_t>::max())
        return std::nullopt;
    return static_cast<int>(tenths);
}

int standardLoPosition(int value) {
    for (std::size_t i = 0; i < kStandardLo.size(); ++i) {
        if (kStandardLo[i] == value)
            return static_cast<int>(i);
    }
    return -1;
}

int loPosition(int value) {
    return std::max(standardLoPosition(value), 0);
}

std::string firstLoEntry(int value) {
    return standardLoPosition(value) < 0 ? std::to_string(value) : "0";
}

int diseqc11Position(int stored) {
    if (stored >= 0 && stored <= 9)
        return stored;
    if (stored >= 0x10 && stored <= 0x16)
        return stored - 0x10 + 10;
    return -1;
}

int diseqc11Value(int position) {
    return position <= 9 ? position : position - 10 + 0x10;
}

int polarisationButton(int value) {
    return value >= 0 && value < kPolarisationButtons ? value : -1;
}
int polarisationValue(int button) {
    return button;
}

namespace {
constexpr std::array<int, kFecButtons> kFecOfButton = {0, 1, 2, 3, 5, 7};
}

int fecButton(int value) {
    for (int b = 0; b < kFecButtons; ++b) {
        if (kFecOfButton[static_cast<std::size_t>(b)] == value)
            return b;
    }
    return -1;
}

int fecValue(int button) {
    return kFecOfButton[static_cast<std::size_t>(button)];
}

}  // namespace vizud
