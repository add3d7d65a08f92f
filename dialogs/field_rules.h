// The rules by which the edit dialogs read and show their fields: number fields, names in 16-byte
// buffers, satellite degrees, LNB oscillators, DiSEqC 1.1 ports and the radio-button groups of a
// transponder. Texts here are the image's bytes (Latin-1); the Qt forms convert at their edge.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vizud {

// "Error: %d->(%d)": a database call with this table or info code answered this result.
std::string databaseErrorText(int code, int result);

// Reads one decimal number the way the box's dialogs always did: leading blanks, an optional sign, then
// digits up to the first other character ("12abc" reads 12). A text without a digit there has no number,
// and so has a number that does not fit in 32 signed bits (it is refused rather than wrapped).
std::optional<std::int32_t> parseDecimal(std::string_view text);

// The first `count` characters of a field's text (a field reads at most that many).
std::string_view firstChars(std::string_view text, std::size_t count);

// ---- Names -------------------------------------------------------------------------------------------

// A name field as the program dialog shows it: a first byte 1..31 is the box's character-table byte; it is
// kept aside and the rest of the name is shown.
struct ShownName {
    std::string text;           // what the field shows
    std::uint8_t leadByte = 0;  // the remembered character-table byte, 0 for none
};
ShownName showName(std::string_view stored);
// The name OK stores: with a remembered byte that byte and the first 14 characters of the field, else the
// first 15 characters.
std::string storedName(std::string_view field, std::uint8_t leadByte);

// ---- Satellite degrees ---------------------------------------------------------------------------------

// Tenths of a degree as the Degree field shows them: "19,2" for 192, "0,5" for 5.
std::string degreeText(int tenths);
// The Degree field read back: the first comma is a decimal point, the sign is dropped and the value is cut
// to whole tenths ("19,2" and "19.2" give 192, "-5" gives 50). No number, or a value beyond what the
// record's 16 bits hold, gives nothing.
std::optional<int> degreeTenths(std::string_view text);

// ---- LNB local oscillators -----------------------------------------------------------------------------

inline constexpr std::array<int, 8> kStandardLo = {0, 5150, 9750, 10000, 10600, 10750, 11300, 11475};
inline constexpr int kMinTypedLo = 3350;
inline constexpr int kMaxTypedLo = 14900;

// The position of a value among the standard values; 0 for 0 and for a value that is not standard.
int loPosition(int value);
// -1 when the value is not one of the standard values.
int standardLoPosition(int value);
// The first entry of an LO list: the satellite's own value when it is not standard, else "0".
std::string firstLoEntry(int value);

// ---- DiSEqC 1.1 port -------------------------------------------------------------------------------------

// Stored ports 0..9 are list positions 0..9; the box stores ports 10..16 as 0x10..0x16.
int diseqc11Position(int stored);  // -1 for a value with no entry
int diseqc11Value(int position);

// ---- Transponder radio buttons -----------------------------------------------------------------------------

inline constexpr int kPolarisationButtons = 4;  // horizontal, vertical, circular left, circular right
inline constexpr int kFecButtons = 6;           // FEC 0, 1, 2, 3, 5, 7

int polarisationButton(int value);  // -1 for a value with no button
int polarisationValue(int button);
int fecButton(int value);  // -1 for a value with no button (4, 6, ...)
int fecValue(int button);

}  // namespace vizud
