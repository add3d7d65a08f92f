#include "app/user_texts.h"

#include <algorithm>
#include <unordered_set>

// Marks a source for the catalogue's extraction tool; in the program it is the text itself.
#define QT_TRANSLATE_NOOP(context, text) text

namespace vizud {

namespace {

// clang-format off
constexpr const char* kTexts[] = {
    // Opening, saving and exporting files.
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Open1"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Error: Open failed"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Error: Open failed2"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "The file has %1 bytes; a channel file has %2."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "The file counts %1 %2; the table has room for %3."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "The file counts %1 TV programs of %2 programs."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Favourite list %1 holds %2 entries; it has room for %3."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Favourite list %1 counts %2 TV entries of %3 entries."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "This file has 1 problem. Tools > Check database shows it and repairs it if it can."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "This file has %1 problems. Tools > Check database shows them and repairs what it can."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Open last edited failed"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Error: Save failed!"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Nothing to save!"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Nothing to export!"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "The list could not be written:"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "%1 not saved!"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Save it now?"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Save changes to %1?"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "%1 already exists."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Do you want to replace it?"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Untitled"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Channel data"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "CSV list"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Channel data or CSV list"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "S/W File"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Satellites list"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "The transponders could not be read from %1:"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "line %1: %2"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "the file cannot be read"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "The transponder table has room for %1 more transponders; %2 would not fit."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Nothing was changed."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "%1: %2 added, %3 changed, %4 not in the file"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "%1: no satellite at this position in the file"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "1 transponder to add, %1 to change"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "%1 transponders to add, %2 to change"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "All Files"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "%1: the folder %2 does not exist"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "%1: is a folder, not a file"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "The backup could not be written:"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Nothing was saved; the file is as it was."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "The file %1 could not be read to keep a backup (%2)."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "A copy of the download could not be kept: %1"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "No download has been kept yet: each download from the box is kept from now on."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "no folder for downloads (neither XDG_DATA_HOME nor HOME is set)"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Nothing was saved."),
    // Transfers with the box.
    QT_TRANSLATE_NOOP("vizud::UserTexts", "No document opened or downloaded"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Warning: This operation will overwrite database in Your receiver"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Do You wish to continue?"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Please wait until STB reboots..."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Unknown transmission type!"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Please wait"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Communication timeout"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "The Set Top Box announced more data than a database can hold."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "The received data is not a channel list; the database was not changed."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Can not read the software file"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "The software file is too short"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Can not run communication thread"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Opening port COM%1"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Can not open port COM%1"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Waiting for answer from Set Top Box"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Timeout - %1"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Received different data then expected"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Complete"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Data Download from Set Top Box..."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Wait for Close....."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Data Upload to Set Top Box..."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Connection lost"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "The serial device disappeared during the transfer"),
    // Editing programs, satellites, transponders and lists.
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Error: %1->(%2)"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Database is full."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Can't put TV program among Radio program"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Can't put Radio program among TV program"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Can't put TV program among radio program."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Can't put radio program among TV program."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Sat table if full"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Transponder table is full. Can't add next transponder!"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Program table is full. Can't add program!"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Not enought free space in transponder table."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Transponder with entered values exist"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Provider table is full."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Not enought free space in programs table"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Favourite Table is full!"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Favorite Table is full!"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Select position to paste Your data!"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Select position!"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "You can't drag TV and Radio programs together "),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "You have together TV and Radio programs in clipboard!"),
    // Filling favourite lists in bulk.
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Add 1 program to %1"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Add %1 programs to %2"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Remove 1 program from %1"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Remove %1 programs from %2"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "The list %1 has room left for %2 of the %3 programs; nothing was added."),
    // Locks on many programs and moves from the keyboard.
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Lock 1 program"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Lock %1 programs"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Unlock 1 program"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Unlock %1 programs"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Move 1 program"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Move %1 programs"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Program executing error:"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Unknown FAV list!"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Providers table is FULL!"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Providers table is full!"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "You cannot change name of this tree element."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "A name can not be empty. The old name is kept."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "%1: the character '%2' cannot be stored in the box's channel list."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Name"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Channel name"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Provider"),
    // The dialogs' checks.
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Please enter a provider name."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "The chosen satellite has no transponder."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Add a transponder to it first."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Video PID error!"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Audio PID error!"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "PCR PID error!"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Expected digit 17..8190"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "PIDs for SCPC program can not be 'Auto'"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "PIDs for SCPC program can not be 'Reserved'"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Service ID error!"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Expected digit 0..65535"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Favourite list %1 is full."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "The satellite table is full: it holds %1 satellites."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Delete a satellite first."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Your designated value is beyond the limited range,"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", " please input proper value(28 ~ %1)"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Cannot find predefined sat parameters."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Please enter a satellite name."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "A satellite named %1 already exists."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Degree error!"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Expected a position in degrees, such as 19,2"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "%1(%2) already exist as given DisEqC 1.2 position!"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Direction error!"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Expected E or W"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "LNB Upper LO Range expected 3350...14900"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "LNB Lower LO Range expected 3350...14900"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Every satellite key (0 to 255) is in use."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Unknown Frequency value: %1!"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Unknown Symbolrate value: %1!"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Unknown Transport Stream ID value: %1!"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Unknown Network ID value: %1!"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Unknown Oryginal Network ID value: %1!"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "You must enter value %1..%2"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Please choose the transponder to delete."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Transponder %1 (MHz) is still used by a program in the clipboard."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Paste it first."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Do you realy want to delete transponder %1 (MHz)"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "from satellite: %1"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Its 1 program is deleted with it."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Its %1 programs are deleted with it."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Error: Can not recognize choosed satellite!"),
    // The list tools.
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Open or download a channel list first."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "The favourite list names a program beyond the table; Tools > Check database repairs it."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Take the favourite lists of the other file too?"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Yes: the nine lists become its lists, for the programs found here."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "No: the lists stay as they are."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "The list could not be put in order."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Repaired:"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "%1 favourite entries dropped"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "%1 favourite entries moved to the part of their program"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "%1 satellite transponder counts set right"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "CRC set right"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Nothing needed a repair."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "TV: %1 of %2 matched, Radio: %3 of %4 matched"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "The list %1 was refused; nothing was changed:"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "line %1: the CSV is malformed (%2)"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "line %1: no header line"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "line %1: the column %2 is missing"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "line %1: %2 \"%3\" is not a number"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "line %1: position \"%2\" is not like 19.2E"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "line %1: unknown polarization \"%2\" (H, V, L or R)"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "line %1: %2 \"%3\" is neither 0 nor 1"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "line %1: favourites \"%2\" holds other than the digits 1 to 9"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "line %1: the name \"%2\" holds a character the box cannot store: %3"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "line %1: the name \"%2\" is longer than 16 bytes"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Favourite list %1 would hold %2 entries; it has room for %3."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "1 row matched nothing (line %1)"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "%1 rows matched nothing (lines %2)"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Remove 1 duplicate"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Remove %1 duplicates"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "No duplicates found: no two programs of a class share satellite, transponder and service id."),
    // The check's findings, each line "kind: finding".
    QT_TRANSLATE_NOOP("vizud::UserTexts", "no problems found"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "crc: %1"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "capacity: %1"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "transponder: %1"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "provider: %1"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "satellite: %1"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "duplicate-transponder: %1"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "favourite: %1"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "count: %1"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "stored 0x%1, the image gives 0x%2"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "%1 %2, the table has room for %3"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "satellites"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "programs"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "transponders"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "providers"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "%1 TV programs of %2 programs"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "%1 holds %2 entries, it has room for %3"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "%1 has %2 TV entries of %3 entries"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "%1 names transponder %2, the table has %3"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "%1 names provider %2, the table has %3"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "%1 belongs to satellite key %2, no satellite has it"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "%1 repeats transponder %2 of its satellite"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "%1 entry %2 names program %3, the table has %4"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "%1 entry %2 repeats %3"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "%1 entry %2 is a TV entry naming radio %3"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "%1 entry %2 is a radio entry naming TV %3"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "%1 counts %2 transponders, %3 are its own"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "program %1 \"%2\""),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "list %1 \"%2\""),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "satellite %1 \"%2\""),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "transponder %1 (%2 MHz %3)"),
    // The tree's tips and the list's columns.
    QT_TRANSLATE_NOOP("vizud::UserTexts", "List of providers."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "List of satellites."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "User favourite channels."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Degree: %1, Lower LO: %2, Upper LO: %3 "),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "DiSEqC: %1, 22Khz: %2, Positioner: %3"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Freq: %1, Symb: %2 MS/s, FEC: %3, Pol: %4,"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Net ID: %1, Oryginal Net ID: %2, Transport Stream ID: %3"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "OFF"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Tone Burst A"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Tone Burst B"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Auto"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "AUTO"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "On"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Off"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "No"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Yes"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Horizontal"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Vertical"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Circular Left"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Circular Right"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Ch Index"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Channel Name"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Ch Status"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Satellite"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Tr. Frequency"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Symbolrate"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Pol."),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "FAVs"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "TV:%1, Radio:%2"),
    // The tree's roots: the names stored in the image stay the lookups' keys.
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Favs"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Providers"),
    QT_TRANSLATE_NOOP("vizud::UserTexts", "Satellites"),
};
// clang-format on

constexpr int kMaxDepth = 3;  // how deep values are translated inside values

// A source with %n slots, split at them: literals[0] %slots[0] literals[1] ... literals[n].
struct Pattern {
    const char* source;
    std::vector<std::string_view> literals;
    std::vector<int> slots;
    std::size_t literalLength = 0;
};

struct Catalogue {
    std::unordered_set<std::string_view> exact;
    std::vector<Pattern> patterns;  // the most specific source first
};

const Catalogue& catalogue() {
    static const Catalogue built = [] {
        Catalogue c;
        for (const char* source : kTexts) {
            const std::string_view text(source);
            Pattern p{source, {}, {}, 0};
            std::size_t start = 0;
            for (std::size_t i = 0; i + 1 < text.size(); ++i) {
                if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9') {
                    p.literals.push_back(text.substr(start, i - start));
                    p.slots.push_back(text[i + 1] - '0');
                    start = i + 2;
                    ++i;
                }
            }
            if (p.slots.empty()) {
                c.exact.insert(text);
                continue;
            }
            p.literals.push_back(text.substr(start));
            for (std::string_view l : p.literals)
                p.literalLength += l.size();
            c.patterns.push_back(std::move(p));
        }
        // The longest opening literal first ("favourite: %1" before "%1 entry %2 repeats %3", so a finding's
        // kind frames its text), then the most literal text.
        std::stable_sort(c.patterns.begin(), c.patterns.end(), [](const Pattern& a, const Pattern& b) {
            if (a.literals.front().size() != b.literals.front().size())
                return a.literals.front().size() > b.literals.front().size();
            return a.literalLength > b.literalLength;
        });
        return c;
    }();
    return built;
}

// Fills values[k] with the text of slot k when `line` matches the pattern. A value ends where the literal
// after it first appears (so a finding's subject stops at " entry ", a quoted name at its closing quote),
// holds at least one character, and the last literal ends the line.
bool matchValues(const Pattern& p, std::string_view line, std::vector<std::string_view>& values) {
    std::size_t at = p.literals.front().size();
    for (std::size_t k = 0; k < p.slots.size(); ++k) {
        const std::string_view next = p.literals[k + 1];
        const bool last = k + 1 == p.slots.size();
        const std::size_t end = last && next.empty() ? line.size() : line.find(next, at + 1);
        if (end == std::string_view::npos || end <= at || (last && end + next.size() != line.size()))
            return false;
        values[k] = line.substr(at, end - at);
        at = end + next.size();
    }
    return true;
}

const Pattern* matchPattern(std::string_view line, std::vector<std::string_view>& values) {
    for (const Pattern& p : catalogue().patterns) {
        if (!line.starts_with(p.literals.front()))
            continue;
        values.assign(p.slots.size(), {});
        if (matchValues(p, line, values))
            return &p;
    }
    return nullptr;
}

std::string translateLine(std::string_view line, const TextLookup& lookup, int depth) {
    if (line.empty() || depth > kMaxDepth)
        return std::string(line);
    if (catalogue().exact.contains(line)) {
        std::string translated = lookup(std::string(line).c_str());
        return translated.empty() ? std::string(line) : translated;
    }
    std::vector<std::string_view> values;
    const Pattern* p = matchPattern(line, values);
    if (p == nullptr)
        return std::string(line);
    std::string translated = lookup(p->source);
    if (translated.empty())
        translated = p->source;
    std::string out;
    for (std::size_t i = 0; i < translated.size(); ++i) {
        const char c = translated[i];
        if (c == '%' && i + 1 < translated.size() && translated[i + 1] >= '1' && translated[i + 1] <= '9') {
            const int slot = translated[i + 1] - '0';
            const auto at = std::find(p->slots.begin(), p->slots.end(), slot);
            if (at != p->slots.end()) {
                out += translateLine(values[static_cast<std::size_t>(at - p->slots.begin())], lookup, depth + 1);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

template <typename Each>
void forEachLine(std::string_view text, Each each) {
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        each(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start),
             end != std::string_view::npos);
        if (end == std::string_view::npos)
            return;
        start = end + 1;
    }
}

}  // namespace

const std::vector<std::string_view>& userTexts() {
    static const std::vector<std::string_view> texts(std::begin(kTexts), std::end(kTexts));
    return texts;
}

std::string translateText(std::string_view text, const TextLookup& lookup) {
    std::string out;
    forEachLine(text, [&](std::string_view line, bool more) {
        out += translateLine(line, lookup, 0);
        if (more)
            out += '\n';
    });
    return out;
}

bool knownText(std::string_view text) {
    bool known = true;
    forEachLine(text, [&](std::string_view line, bool) {
        std::vector<std::string_view> values;
        // A line that starts with a file's path carries the system's own reason, in the system's language.
        if (!line.empty() && line.front() != '/' && !catalogue().exact.contains(line) &&
            matchPattern(line, values) == nullptr)
            known = false;
    });
    return known;
}

}  // namespace vizud
