#include "dialogs/satellite_dialog_model.h"

#include <cctype>
#include <cstdlib>

#include "database/image_access.h"
#include "dialogs/field_rules.h"
#include "dialogs/latin1_text.h"
#include "dialogs/predefined_satellites.h"

namespace vizud {
namespace {

inline constexpr int kNameFieldLength = 15;
inline constexpr int kDegreeFieldLength = 15;
inline constexpr int kHighestPositioner = 200;

std::vector<std::string> loEntries(int value) {
    std::vector<std::string> entries{firstLoEntry(value)};
    for (std::size_t i = 1; i < kStandardLo.size(); ++i) {
        entries.push_back(std::to_string(kStandardLo[i]));
    }
    return entries;
}

EditableChoice entryChoice(const std::vector<std::string>& entries, int position) {
    return {position, entries[static_cast<std::size_t>(position)]};
}

}  // namespace

std::string satelliteTableFullText() {
    return "The satellite table is full: it holds " + std::to_string(kMaxSatellites) +
           " satellites.\nDelete a satellite first.";
}

namespace {

std::string positionerRangeText() {
    return "Your designated value is beyond the limited range,\n please input proper value(28 ~ " +
           std::to_string(kHighestPositioner) + ")";
}

}  // namespace

SatelliteDialogModel::SatelliteDialogModel(ChannelDatabase& db, Messages& messages) : m_db(db), m_messages(messages) {}

const std::vector<std::string>& SatelliteDialogModel::eastWestEntries() {
    static const std::vector<std::string> entries{"E", "W"};
    return entries;
}

const std::vector<std::string>& SatelliteDialogModel::diseqcModeEntries() {
    static const std::vector<std::string> entries{"OFF", "A", "B", "C", "D", "Tone Burst A", "Tone Burst B"};
    return entries;
}

const std::vector<std::string>& SatelliteDialogModel::diseqc11Entries() {
    static const std::vector<std::string> entries = [] {
        std::vector<std::string> list{"OFF"};
        for (int port = 1; port <= 16; ++port)
            list.push_back(std::to_string(port));
        return list;
    }();
    return entries;
}

const std::vector<std::string>& SatelliteDialogModel::toneEntries() {
    static const std::vector<std::string> entries{"AUTO", "ON", "OFF"};
    return entries;
}

int SatelliteDialogModel::prepare(const std::string& name) {
    int index = -1;
    m_db.findSatByName(name, &index);
    return prepareAt(index);
}

int SatelliteDialogModel::prepareAt(int index) {
    RecordView view;
    const int result = m_db.getRecord(kTableSatellites, index, view);
    if (result != 0) {
        m_messages.show(databaseErrorText(kTableSatellites, result), MessageIcon::None);
        m_index = -1;
        return result;
    }
    m_index = index;
    m_adding = false;
    m_sat = m_db.image().satellites[index];
    return 0;
}

void SatelliteDialogModel::prepareNew(const st_sat& initial) {
    m_adding = true;
    m_index = satelliteCount(m_db.image());  // no satellite of the table is this one
    m_sat = initial;
}

st_sat SatelliteDialogModel::startingRecord(int row) {
    st_sat sat{};
    sat.eastWest = 'E';
    sat.lnbLowLo = 9750;
    sat.lnbHighLo = 10600;
    const auto rows = predefinedSatellites();
    if (row < 0 || row >= static_cast<int>(rows.size()))
        return sat;
    const PredefinedSatellite& from = rows[static_cast<std::size_t>(row)];
    storeName(sat.name, from.name);
    sat.position = static_cast<std::uint16_t>(from.position);
    sat.eastWest = from.direction == 'E' ? 'E' : 'W';  // as "Default" reads the row
    sat.lnbLowLo = from.lowerLo;
    sat.lnbHighLo = from.upperLo;
    sat.tone22k = from.tone;
    sat.positionerNo = from.positionerNo;
    sat.diseqcMode = from.diseqcMode;
    sat.motorEnabled = from.diseqc12;
    sat.diseqc11Port = static_cast<std::uint16_t>(from.diseqc11);
    return sat;
}

void SatelliteDialogModel::open() {
    const std::string name = nameText(m_sat.name);
    m_db.state().editedSatName = name;
    fields = SatelliteFields{};
    const ShownName shown = showName(name);
    m_leadByte = shown.leadByte;
    fields.name = latin1ToUtf8(shown.text);
    fields.positionerNo = std::to_string(m_sat.positionerNo);
    fields.degree = degreeText(m_sat.position);
    fields.eastWest = entryChoice(eastWestEntries(), m_sat.eastWest == 'E' ? 0 : 1);
    m_lowerLoEntries = loEntries(m_sat.lnbLowLo);
    m_upperLoEntries = loEntries(m_sat.lnbHighLo);
    fields.lowerLo = entryChoice(m_lowerLoEntries, loPosition(m_sat.lnbLowLo));
    fields.upperLo = entryChoice(m_upperLoEntries, loPosition(m_sat.lnbHighLo));
    fields.diseqcMode = m_sat.diseqcMode >= 0 && m_sat.diseqcMode < 7 ? m_sat.diseqcMode : -1;
    fields.diseqc11 = diseqc11Position(m_sat.diseqc11Port);
    fields.tone = m_sat.tone22k >= 0 && m_sat.tone22k < 3 ? m_sat.tone22k : -1;
    fields.diseqc12 = m_sat.motorEnabled == 1;
}

void SatelliteDialogModel::setDefaults() {
    const std::optional<std::string> name = utf8ToLatin1(fields.name);
    const int row = name ? findPredefinedSatellite(firstChars(*name, kNameFieldLength)) : -1;
    if (row < 0) {
        m_messages.show("Cannot find predefined sat parameters.", MessageIcon::None);
        return;
    }
    const PredefinedSatellite& sat = predefinedSatellites()[static_cast<std::size_t>(row)];
    fields.degree = degreeText(sat.position);
    fields.positionerNo = std::to_string(sat.positionerNo);
    fields.eastWest = entryChoice(eastWestEntries(), sat.direction == 'E' ? 0 : 1);
    // A value that no entry holds leaves the list as it was.
    if (const int position = standardLoPosition(sat.lowerLo); position >= 0)
        fields.lowerLo = entryChoice(m_lowerLoEntries, position);
    if (const int position = standardLoPosition(sat.upperLo); position >= 0)
        fields.upperLo = entryChoice(m_upperLoEntries, position);
    fields.diseqcMode = sat.diseqcMode;
    fields.diseqc11 = diseqc11Position(sat.diseqc11);
    fields.tone = sat.tone;
    fields.diseqc12 = sat.diseqc12 == 1;
}

bool SatelliteDialogModel::readLo(const EditableChoice& choice, const std::vector<std::string>& entries,
                                  const char* rangeMessage, std::uint16_t& out) {
    if (choice.selection == 0) {
        out = static_cast<std::uint16_t>(parseDecimal(entries[0]).value_or(0));
        return true;
    }
    if (choice.selection > 0 && choice.selection < static_cast<int>(kStandardLo.size())) {
        out = static_cast<std::uint16_t>(kStandardLo[static_cast<std::size_t>(choice.selection)]);
        return true;
    }
    const std::optional<std::int32_t> typed = parseDecimal(choice.text);
    const std::int64_t value = typed ? std::llabs(static_cast<std::int64_t>(*typed)) : -1;
    if (value < kMinTypedLo || value > kMaxTypedLo) {
        m_messages.show(rangeMessage, MessageIcon::None);
        return false;
    }
    out = static_cast<std::uint16_t>(value);
    return true;
}

bool SatelliteDialogModel::ok() {
    auto refuse = [this](DialogField field, const std::string& text, MessageIcon icon) {
        m_refused = field;
        m_messages.show(text, icon);
        return false;
    };
    m_refused = DialogField::None;
    const all_tables_block& img = m_db.image();
    RecordView view;
    if (m_adding) {
        if (satelliteCount(img) >= kMaxSatellites)
            return refuse(DialogField::None, satelliteTableFullText(), MessageIcon::Exclamation);
        m_index = satelliteCount(img);
    } else if (const int r = m_db.getRecord(kTableSatellites, m_index, view); r != 0) {
        return refuse(DialogField::None, databaseErrorText(kTableSatellites, r), MessageIcon::None);
    }
    st_sat sat = m_adding ? m_sat : img.satellites[m_index];
    const int count = satelliteCount(img);

    // Name: the tree and the list find a satellite by its name, so it must name this one alone.
    std::string offending;
    const std::optional<std::string> typedName = utf8ToLatin1(fields.name, &offending);
    if (!typedName)
        return refuse(DialogField::Name, unstorableCharacterText("Name", offending), MessageIcon::Exclamation);
    const std::string_view typed = firstChars(*typedName, kNameFieldLength);
    if (typed.empty())
        return refuse(DialogField::Name, "Please enter a satellite name.", MessageIcon::Exclamation);
    // The name keeps its character-table byte, as the tree's rename and the program dialog keep theirs.
    const std::string name = storedName(typed, m_leadByte);
    for (int s = 0; s < count; ++s) {
        if (s != m_index && nameEquals(img.satellites[s].name, name))
            return refuse(DialogField::Name,
                          "A satellite named " + latin1ToUtf8(showName(name).text) + " already exists.",
                          MessageIcon::Exclamation);
    }

    const std::optional<int> tenths = degreeTenths(firstChars(fields.degree, kDegreeFieldLength));
    if (!tenths)
        return refuse(DialogField::Degree, "Degree error!\nExpected a position in degrees, such as 19,2",
                      MessageIcon::Stop);
    sat.position = static_cast<std::uint16_t>(*tenths);

    const std::optional<std::int32_t> positioner = parseDecimal(fields.positionerNo);
    if (!positioner || *positioner < 0 || *positioner > kHighestPositioner)
        return refuse(DialogField::Positioner, positionerRangeText(), MessageIcon::None);
    if (*positioner != 0 && *positioner != sat.positionerNo) {
        for (int s = 0; s < count; ++s) {
            if (img.satellites[s].positionerNo == *positioner) {
                return refuse(DialogField::Positioner,
                              latin1ToUtf8(showName(nameText(img.satellites[s].name)).text) + "(" +
                                  std::to_string(*positioner) + ") already exist as given DisEqC 1.2 position!",
                              MessageIcon::Stop);
            }
        }
    }
    sat.positionerNo = static_cast<std::uint8_t>(*positioner);

    // Direction: the first character of the field, E or W.
    const char direction = fields.eastWest.text.empty()
                               ? '\0'
                               : static_cast<char>(std::toupper(static_cast<unsigned char>(fields.eastWest.text[0])));
    if (direction != 'E' && direction != 'W')
        return refuse(DialogField::Direction, "Direction error!\nExpected E or W", MessageIcon::Stop);
    sat.eastWest = direction;

    if (!readLo(fields.upperLo, m_upperLoEntries, "LNB Upper LO Range expected 3350...14900", sat.lnbHighLo)) {
        m_refused = DialogField::UpperLo;
        return false;
    }
    if (!readLo(fields.lowerLo, m_lowerLoEntries, "LNB Lower LO Range expected 3350...14900", sat.lnbLowLo)) {
        m_refused = DialogField::LowerLo;
        return false;
    }
    if (fields.diseqcMode >= 0)
        sat.diseqcMode = static_cast<std::int8_t>(fields.diseqcMode);
    if (fields.diseqc11 >= 0)
        sat.diseqc11Port = static_cast<std::uint16_t>(diseqc11Value(fields.diseqc11));
    if (fields.tone >= 0)
        sat.tone22k = static_cast<std::int8_t>(fields.tone);
    sat.motorEnabled = fields.diseqc12 ? 1 : 0;

    // Every field has passed: now the satellite is written, name and all.
    view.word[0] = sat.satId;
    view.word[1] = sat.position;
    view.word[2] = sat.tpCount;
    view.word[3] = sat.lnbLowLo;
    view.word[4] = sat.lnbHighLo;
    view.word[5] = static_cast<std::uint32_t>(sat.diseqcMode);
    view.word[6] = static_cast<std::uint32_t>(sat.tone22k);
    view.word[7] = sat.motorEnabled;
    view.word[8] = sat.positionerNo;
    view.word[9] = sat.auxByte;
    view.word[10] = static_cast<std::uint32_t>(sat.eastWest);
    view.word[11] = sat.diseqc11Port;
    view.word16 = name.c_str();
    if (m_adding) {
        const int added = m_db.addSatellite(sat);
        if (added < 0)
            return refuse(DialogField::None,
                          added == -1 ? satelliteTableFullText() : "Every satellite key (0 to 255) is in use.",
                          MessageIcon::Exclamation);
        m_index = added;
        m_adding = false;
        view.word[0] = img.satellites[added].satId;
        view.word[2] = 0;
    }
    if (const int r = m_db.setSatellite(m_index, view); r != 0)
        return refuse(DialogField::None, databaseErrorText(kTableSatellites, r), MessageIcon::None);
    m_db.state().editedSatName = nameText(img.satellites[m_index].name);
    m_db.updateChecksum();
    return true;
}

}  // namespace vizud
