#include "listtools/satellites_xml.h"

#include <expat.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sstream>

#include "database/image_access.h"
#include "listtools/shown_name.h"

namespace vizud {
namespace {

// Real files hold a few hundred satellites with a few hundred transponders each.
constexpr int kMaxDepth = 8;
constexpr std::size_t kMaxXmlSatellites = 5000;
constexpr std::size_t kMaxXmlTransponders = 200000;
constexpr std::size_t kPiece = 64 * 1024;

struct Reader {
    XML_Parser parser = nullptr;
    SatellitesXml result;
    int depth = 0;
    std::size_t transponders = 0;

    void refuse(const std::string& why) {
        if (result.error.empty())
            result.error = "line " + std::to_string(XML_GetCurrentLineNumber(parser)) + ": " + why;
        XML_StopParser(parser, XML_FALSE);
    }

    const char* attribute(const XML_Char** attributes, const char* name, const char* element) {
        for (int i = 0; attributes[i] != nullptr; i += 2) {
            if (std::strcmp(attributes[i], name) == 0)
                return attributes[i + 1];
        }
        refuse(std::string("<") + element + "> without " + name);
        return nullptr;
    }

    // A whole decimal number within [low, high]; refuses otherwise.
    bool number(const XML_Char** attributes, const char* name, const char* element, long low, long high, long& out) {
        const char* text = attribute(attributes, name, element);
        if (text == nullptr)
            return false;
        char* end = nullptr;
        errno = 0;
        const long value = std::strtol(text, &end, 10);
        if (end == text || *end != '\0' || errno != 0 || value < low || value > high) {
            refuse(std::string(name) + "=\"" + std::string(text).substr(0, 20) + "\" is not a number from " +
                   std::to_string(low) + " to " + std::to_string(high));
            return false;
        }
        out = value;
        return true;
    }

    void start(const char* element, const XML_Char** attributes) {
        if (++depth > kMaxDepth)
            return refuse("elements nested too deep");
        if (depth == 1) {
            if (std::strcmp(element, "satellites") != 0)
                refuse(std::string("the root element is <") + element + ">, not <satellites>");
        } else if (depth == 2 && std::strcmp(element, "sat") == 0) {
            if (result.satellites.size() >= kMaxXmlSatellites)
                return refuse("more than " + std::to_string(kMaxXmlSatellites) + " satellites");
            XmlSatellite sat;
            long position = 0;
            const char* name = attribute(attributes, "name", "sat");
            if (name == nullptr || !number(attributes, "position", "sat", -1800, 1800, position))
                return;
            sat.name = name;
            sat.position = static_cast<int>(position);
            result.satellites.push_back(std::move(sat));
        } else if (depth == 3 && std::strcmp(element, "transponder") == 0 && !result.satellites.empty()) {
            if (++transponders > kMaxXmlTransponders)
                return refuse("more than " + std::to_string(kMaxXmlTransponders) + " transponders");
            XmlTransponder tp;
            long polarization = 0;
            long fec = 0;
            // The box keeps MHz and kS/s in 16 bits.
            if (!number(attributes, "frequency", "transponder", 1000, 65535000, tp.frequency) ||
                !number(attributes, "symbol_rate", "transponder", 1000, 65535000, tp.symbolRate) ||
                !number(attributes, "polarization", "transponder", 0, 3, polarization) ||
                !number(attributes, "fec_inner", "transponder", 0, 9, fec))
                return;
            tp.polarization = static_cast<int>(polarization);
            tp.fecInner = static_cast<int>(fec);
            result.satellites.back().transponders.push_back(tp);
        }
    }
};

void XMLCALL onStart(void* data, const XML_Char* element, const XML_Char** attributes) {
    static_cast<Reader*>(data)->start(element, attributes);
}
void XMLCALL onEnd(void* data, const XML_Char*) {
    --static_cast<Reader*>(data)->depth;
}
// A document type declaration could declare entities (the "billion laughs") or name an outside file:
// satellites.xml files have none, so any is refused.
void XMLCALL onDoctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*, int) {
    static_cast<Reader*>(data)->refuse("a document type declaration is not accepted");
}
void XMLCALL onEntity(void* data, const XML_Char*, int, const XML_Char*, int, const XML_Char*, const XML_Char*,
                      const XML_Char*, const XML_Char*) {
    static_cast<Reader*>(data)->refuse("an entity declaration is not accepted");
}

template <typename NextPiece>
SatellitesXml read(NextPiece next) {
    Reader reader;
    std::unique_ptr<std::remove_pointer_t<XML_Parser>, decltype(&XML_ParserFree)> parser(XML_ParserCreate("UTF-8"),
                                                                                       &XML_ParserFree);
    reader.parser = parser.get();
    XML_SetUserData(reader.parser, &reader);
    XML_SetElementHandler(reader.parser, onStart, onEnd);
    XML_SetStartDoctypeDeclHandler(reader.parser, onDoctype);
    XML_SetEntityDeclHandler(reader.parser, onEntity);
    XML_SetParamEntityParsing(reader.parser, XML_PARAM_ENTITY_PARSING_NEVER);
    std::string piece;
    bool last = false;
    while (!last) {
        last = !next(piece);
        if (XML_Parse(reader.parser, piece.data(), static_cast<int>(piece.size()), last ? XML_TRUE : XML_FALSE) !=
            XML_STATUS_OK) {
            if (reader.result.error.empty())
                reader.result.error = "line " + std::to_string(XML_GetCurrentLineNumber(reader.parser)) + ": " +
                                      XML_ErrorString(XML_GetErrorCode(reader.parser));
            break;
        }
    }
    if (!reader.result.error.empty())
        reader.result.satellites.clear();
    return std::move(reader.result);
}

int tenthsEast(const st_sat& sat) {
    return sat.eastWest == 'W' ? -static_cast<int>(sat.position) : static_cast<int>(sat.position);
}

std::string positionText(int tenths) {
    const int a = std::abs(tenths);
    return std::to_string(a / 10) + "." + std::to_string(a % 10) + (tenths < 0 ? "W" : "E");
}

}  // namespace

SatellitesXml readSatellitesXml(std::istream& in) {
    return read([&in](std::string& piece) {
        piece.resize(kPiece);
        in.read(piece.data(), static_cast<std::streamsize>(piece.size()));
        piece.resize(static_cast<std::size_t>(in.gcount()));
        return static_cast<bool>(in);
    });
}

SatellitesXml readSatellitesXml(std::string_view text) {
    std::size_t at = 0;
    return read([&](std::string& piece) {
        piece.assign(text.substr(at, kPiece));
        at += piece.size();
        return at < text.size();
    });
}

int boxFec(int fecInner) {
    static constexpr int kBox[] = {0, 1, 2, 3, 5, 7};  // auto, 1/2, 2/3, 3/4, 5/6, 7/8
    return fecInner >= 0 && fecInner < 6 ? kBox[fecInner] : 0;
}

TransponderPlan planTransponderUpdate(const all_tables_block& img, const SatellitesXml& file,
                                      const std::string& onlySatellite) {
    TransponderPlan plan;
    const int satellites = satelliteCount(img);
    const int count = transponderCount(img);
    for (int s = 0; s < satellites; ++s) {
        const st_sat& sat = img.satellites[s];
        SatellitePlan line{s, shownName(sat.name) + " " + positionText(tenthsEast(sat))};
        // A transponder names its satellite by one byte: a satellite with a larger key can have none.
        if ((!onlySatellite.empty() && shownName(sat.name) != onlySatellite) || sat.satId > 0xFF)
            continue;
        const auto found = std::find_if(file.satellites.begin(), file.satellites.end(),
                                        [&](const XmlSatellite& x) { return x.position == tenthsEast(sat); });
        // The satellite's transponders as they will be: the image's, then those the plan adds.
        std::vector<st_ts> known;
        std::vector<int> knownIndex;
        for (int t = 0; t < count; ++t) {
            if (img.transponders[t].satId == sat.satId) {
                known.push_back(img.transponders[t]);
                knownIndex.push_back(t);
            }
        }
        std::vector<bool> listed(known.size(), false);
        line.inFile = found != file.satellites.end();
        if (line.inFile) {
            for (const XmlTransponder& x : found->transponders) {
                const int mhz = static_cast<int>((x.frequency + 500) / 1000);
                const auto symbolRate = static_cast<std::uint16_t>((x.symbolRate + 500) / 1000);
                const auto fec = static_cast<std::uint8_t>(boxFec(x.fecInner));
                // The nearest frequency within 2 MHz, one not yet matched first: a satellite may carry two
                // transponders close together, and each should find its own.
                std::size_t k = known.size();
                for (std::size_t i = 0; i < known.size(); ++i) {
                    const int distance = std::abs(known[i].frequency - mhz);
                    if (known[i].polarization != x.polarization || distance > 2)
                        continue;
                    if (k == known.size() || std::make_pair(listed[i], distance) <
                                                 std::make_pair(listed[k], std::abs(known[k].frequency - mhz)))
                        k = i;
                }
                if (k == known.size()) {
                    st_ts tp{};
                    tp.satId = static_cast<std::uint8_t>(sat.satId);
                    tp.polarization = static_cast<std::uint8_t>(x.polarization);
                    tp.fec = fec;
                    tp.frequency = static_cast<std::uint16_t>(mhz);
                    tp.symbolRate = symbolRate;
                    plan.additions.push_back(tp);
                    known.push_back(tp);
                    knownIndex.push_back(-1);
                    listed.push_back(true);
                    ++line.added;
                    continue;
                }
                listed[k] = true;
                if (knownIndex[k] >= 0 && (known[k].symbolRate != symbolRate || known[k].fec != fec)) {
                    known[k].symbolRate = symbolRate;
                    known[k].fec = fec;
                    plan.changes.emplace_back(knownIndex[k], known[k]);
                    ++line.changed;
                }
            }
        }
        line.unmatched = static_cast<int>(std::count(listed.begin(), listed.end(), false));
        plan.satellites.push_back(std::move(line));
    }
    return plan;
}

std::string planText(const TransponderPlan& plan) {
    std::ostringstream out;
    for (const SatellitePlan& line : plan.satellites) {
        out << line.name << ": ";
        if (line.inFile)
            out << line.added << " added, " << line.changed << " changed, " << line.unmatched << " not in the file\n";
        else
            out << "no satellite at this position in the file\n";
    }
    const std::size_t added = plan.additions.size();
    out << added << (added == 1 ? " transponder" : " transponders") << " to add, " << plan.changes.size()
        << " to change\n";
    return out.str();
}

int applyTransponderPlan(ChannelDatabase& db, const TransponderPlan& plan, std::string* why) {
    const int room = kMaxTransponders - transponderCount(db.image());
    if (static_cast<int>(plan.additions.size()) > room) {
        if (why != nullptr)
            *why = "The transponder table has room for " + std::to_string(room) + " more transponders; " +
                   std::to_string(static_cast<int>(plan.additions.size()) - room) + " would not fit.";
        return -1;
    }
    all_tables_block& img = db.image();
    for (const auto& [index, record] : plan.changes)
        img.transponders[index] = record;
    return db.addTransponders(plan.additions);
}

}  // namespace vizud
