#include "listtools/csv_reference.h"

#include <csv.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <fstream>
#include <optional>

#include "dialogs/latin1_text.h"
#include "listtools/program_place.h"

namespace vizud {
namespace {

// The columns the reader looks at; the first five are required.
enum Column { Name, Position, Frequency, Polarization, ServiceId, Scrambled, Scpc, Locked, User, Favourites, Columns };
constexpr std::array<const char*, Columns> kColumnNames = {
    "name", "position", "frequency", "polarization", "service_id", "scrambled", "scpc", "locked", "user", "favourites"};
constexpr int kRequiredColumns = 5;
constexpr std::array<std::uint16_t, 4> kFlagBits = {0x01, 0x02, 0x04, 0x20};

std::string lineError(int line, const std::string& why) {
    return "line " + std::to_string(line) + ": " + why;
}

template <typename T>
std::optional<T> number(std::string_view text) {
    T value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// "19.2E", "5W", "0.8w": tenths of a degree and the direction.
bool parsePosition(std::string_view text, CsvReferenceRow& row) {
    if (text.size() < 2)
        return false;
    const char side = text.back();
    text.remove_suffix(1);
    if (side != 'E' && side != 'W' && side != 'e' && side != 'w')
        return false;
    const std::size_t dot = text.find('.');
    const auto degrees = number<unsigned>(text.substr(0, dot));
    std::optional<unsigned> tenths = 0u;
    if (dot != std::string_view::npos)
        tenths = text.size() == dot + 2 ? number<unsigned>(text.substr(dot + 1)) : std::nullopt;
    // 6553.6 to 6553.9 would wrap around the 16-bit field.
    if (!degrees || !tenths || *degrees > 6553 || *degrees * 10 + *tenths > 0xFFFF)
        return false;
    row.position = static_cast<std::uint16_t>(*degrees * 10 + *tenths);
    row.direction = side == 'E' || side == 'e' ? 'E' : 'W';
    return true;
}

// The row's fields by column (-1: the column is not there), or the reason it is refused.
std::string readRow(const std::vector<std::string>& fields, std::size_t count, const std::array<int, Columns>& at,
                    CsvReferenceRow& row) {
    const auto field = [&](Column c) -> std::string_view {
        const int i = at[c];
        return i >= 0 && static_cast<std::size_t>(i) < count ? std::string_view(fields[static_cast<std::size_t>(i)])
                                                             : std::string_view();
    };
    row.name = field(Name);
    const auto sid = number<std::uint16_t>(field(ServiceId));
    if (!sid)
        return "service_id \"" + std::string(field(ServiceId)) + "\" is not a number";
    row.serviceId = *sid;
    if (!field(Position).empty()) {
        if (!parsePosition(field(Position), row))
            return "position \"" + std::string(field(Position)) + "\" is not like 19.2E";
        row.positioned = true;
    }
    const std::string_view frequency = field(Frequency), polarization = field(Polarization);
    if (!frequency.empty()) {
        const auto mhz = number<std::uint16_t>(frequency);
        if (!mhz)
            return "frequency \"" + std::string(frequency) + "\" is not a number";
        row.frequency = *mhz;
    }
    if (!polarization.empty()) {
        const std::string_view letters = "HVLR";
        const std::size_t p = polarization.size() == 1 ? letters.find(static_cast<char>(polarization[0] & ~0x20))
                                                       : std::string_view::npos;
        if (p == std::string_view::npos)
            return "unknown polarization \"" + std::string(polarization) + "\" (H, V, L or R)";
        row.polarization = static_cast<std::uint8_t>(p);
    }
    row.tuned = !frequency.empty() && !polarization.empty();
    for (int f = 0; f < 4; ++f) {
        const auto c = static_cast<Column>(Scrambled + f);
        const std::string_view value = field(c);
        if (at[c] < 0)
            continue;
        if (!value.empty() && value != "0" && value != "1")  // an empty cell: 0
            return std::string(kColumnNames[c]) + " \"" + std::string(value) + "\" is neither 0 nor 1";
        if (value == "1")
            row.flags |= kFlagBits[static_cast<std::size_t>(f)];
    }
    for (const char digit : field(Favourites)) {
        if (digit < '1' || digit > '9')
            return "favourites \"" + std::string(field(Favourites)) + "\" holds other than the digits 1 to 9";
        row.favourites |= static_cast<std::uint16_t>(1u << (digit - '1'));
    }
    return {};
}

// Takes what libcsv hands over record by record: the header names the columns, each later record is a
// row. The fields' strings are kept from record to record, so a list of 20000 rows costs no allocation
// per field.
struct Reader {
    CsvReference result;
    std::vector<std::string> fields;
    std::size_t count = 0;  // fields of the record being read
    int startLine = 1;      // the line it started on
    bool headerRead = false;
    std::array<int, Columns> at{};

    void header() {
        at.fill(-1);
        for (std::size_t i = count; i-- > 0;) {
            for (std::size_t c = 0; c < Columns; ++c) {
                if (fields[i] == kColumnNames[c])
                    at[c] = static_cast<int>(i);
            }
        }
        for (std::size_t c = 0; c < kRequiredColumns && result.error.empty(); ++c) {
            if (at[c] < 0)
                result.error = lineError(startLine, std::string("the column ") + kColumnNames[c] + " is missing");
        }
        result.hasFlags = at[Scrambled] >= 0 && at[Scpc] >= 0 && at[Locked] >= 0 && at[User] >= 0;
        result.hasFavourites = at[Favourites] >= 0;
        headerRead = true;
    }

    void record() {
        if (!result.error.empty())
            return;
        if (!headerRead)
            return header();
        CsvReferenceRow& row = result.rows.emplace_back();
        row.line = startLine;
        if (const std::string why = readRow(fields, count, at, row); !why.empty())
            result.error = lineError(row.line, why);
    }
};

void onField(void* data, std::size_t length, void* reader) {
    auto& r = *static_cast<Reader*>(reader);
    if (r.count == r.fields.size())
        r.fields.emplace_back();
    r.fields[r.count++].assign(static_cast<const char*>(data), length);
}

void onRecordEnd(int, void* reader) {
    auto& r = *static_cast<Reader*>(reader);
    r.record();
    r.count = 0;
}

}  // namespace

CsvReference readCsvReference(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    Reader r;
    r.result.rows.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')));
    csv_parser parser;
    csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI | CSV_APPEND_NULL);
    // Spaces belong to the field (RFC 4180): a name may end in one.
    csv_set_space_func(&parser, [](unsigned char) { return 0; });
    const auto malformed = [&](int line) {
        return lineError(line, std::string("the CSV is malformed (") + csv_strerror(csv_error(&parser)) + ")");
    };
    // Fed one line at a time, so that a refusal and each record can name their line.
    int line = 0;
    bool between = true;  // no record begun yet on the lines fed since the last one ended
    for (std::size_t at = 0; at < text.size() && r.result.error.empty();) {
        const std::size_t end = std::min(text.find('\n', at), text.size() - 1) + 1;
        const std::string_view piece = text.substr(at, end - at);
        at = end;
        ++line;
        if (between && piece.find_first_not_of("\r\n") != std::string_view::npos) {
            r.startLine = line;
            between = false;
        }
        const std::size_t records = r.result.rows.size() + (r.headerRead ? 1 : 0);
        if (csv_parse(&parser, piece.data(), piece.size(), onField, onRecordEnd, &r) != piece.size())
            r.result.error = malformed(line);
        between = between || r.result.rows.size() + (r.headerRead ? 1 : 0) > records;
    }
    if (r.result.error.empty() && csv_fini(&parser, onField, onRecordEnd, &r) != 0)
        r.result.error = malformed(r.startLine);
    csv_free(&parser);
    if (r.result.error.empty() && !r.headerRead)
        r.result.error = lineError(1, "no header line");
    if (!r.result.error.empty())
        r.result.rows.clear();
    return std::move(r.result);
}

bool isCsvReferenceFile(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    std::string extension = dot == std::string::npos ? "" : path.substr(dot + 1);
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == "csv" || extension == "si")
        return extension == "csv";
    std::ifstream in(path, std::ios::binary);
    std::string first;
    std::getline(in, first);
    return first.find("service_id") != std::string::npos;
}

std::vector<ProgramKeys> csvReferenceKeys(const CsvReference& reference) {
    std::vector<ProgramKeys> keys(reference.rows.size());
    for (std::size_t r = 0; r < keys.size(); ++r) {
        const CsvReferenceRow& row = reference.rows[r];
        if (!row.positioned)
            continue;
        const auto direction = static_cast<std::uint8_t>(row.direction);
        keys[r].placed = true;
        // Without frequency or polarization the first key is one no program has (its direction is neither
        // E nor W).
        keys[r].place = row.tuned ? placeKey(row.position, direction, row.frequency, row.polarization, row.serviceId)
                                  : ~std::uint64_t{0};
        const std::optional<std::string> latin1 = utf8ToLatin1(row.name);
        keys[r].named = namedKey(row.position, row.direction, latin1 ? *latin1 : row.name);
    }
    return keys;
}

}  // namespace vizud
