#include "dialogs/program_dialog_model.h"

#include <algorithm>
#include <cctype>

#include "database/image_access.h"
#include "dialogs/field_rules.h"
#include "dialogs/latin1_text.h"
#include "dialogs/prepare_reads.h"

namespace vizud {
namespace {

inline constexpr int kMinPid = 17;
inline constexpr int kMaxPid = 8190;
inline constexpr int kNameFieldLength = 20;
inline constexpr int kProviderFieldLength = 15;
inline constexpr int kNumberFieldLength = 11;

inline constexpr std::uint16_t kFlagScrambled = 1u << 0;
inline constexpr std::uint16_t kFlagScpc = 1u << 1;
inline constexpr std::uint16_t kFlagLocked = 1u << 2;
inline constexpr std::uint16_t kFlagUserProgram = 1u << 5;

std::string lowered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

// tvCount, never above the programs in use.
int tvCountOf(const all_tables_block& img) {
    return std::min<int>(img.tvCount, programCount(img));
}

std::uint16_t withFlag(std::uint16_t flags, std::uint16_t flag, bool on) {
    return static_cast<std::uint16_t>(on ? flags | flag : flags & ~flag);
}

}  // namespace

// Everything OK stores, gathered before the image is touched.
struct ProgramDialogModel::Checked {
    std::string name;  // Latin-1, at most 15 bytes
    int providerIndex = 0;
    bool newProvider = false;
    std::string providerName;  // Latin-1, for a new provider
    st_program program{};
    int kind = -1;  // newProgramKind for an insert
    int index = 0;  // final program index
};

ProgramDialogModel::ProgramDialogModel(ChannelDatabase& db, Messages& messages) : m_db(db), m_messages(messages) {}

int ProgramDialogModel::prepare(int index, int mode) {
    m_mode = mode;
    m_program = st_program{};
    m_satId = -1;
    m_leadByte = 0;
    m_satellites.clear();
    m_providers.clear();
    m_transponders.clear();
    const all_tables_block& img = m_db.image();
    if (index == -1 && mode == kProgramDialogEdit) {
        m_messages.show(databaseErrorText(kTablePrograms, -3), MessageIcon::None);  // nothing to edit
        return -3;
    }
    if (index != -1) {
        st_ts tp{};
        int satIndex = -1;
        if (const int r = readProgram(m_db, m_messages, index, m_program); r != 0)
            return r;
        if (const int r = readTransponder(m_db, m_messages, m_program.tpIndex, tp); r != 0)
            return r;
        if (const int r = readSatelliteIndex(m_db, m_messages, tp.satId, satIndex); r != 0)
            return r;
        if (const int r = readProvider(m_db, m_messages, m_program.providerIndex); r != 0)
            return r;
        m_satId = img.satellites[satIndex].satId;
    }
    m_index = std::max(index, 0);
    const ShownName shown = showName(mode == kProgramDialogEdit ? nameText(m_program.name) : std::string());
    if (mode == kProgramDialogAdd)
        m_program = st_program{};
    m_leadByte = shown.leadByte;

    fields = ProgramFields{};
    fields.name = latin1ToUtf8(shown.text);
    m_satellites = satelliteItems(m_db);
    m_providers = providerItems(m_db);
    fields.satelliteSelection = -1;
    for (std::size_t i = 0; i < m_satellites.size(); ++i) {
        if (img.satellites[m_satellites[i].index].satId == m_satId) {
            fields.satelliteSelection = static_cast<int>(i);
            break;
        }
    }
    // Nothing to take the satellite from (no program selected): the first satellite.
    if (fields.satelliteSelection < 0 && !m_satellites.empty())
        fields.satelliteSelection = 0;
    fields.providerSelection = positionOfIndex(m_providers, m_program.providerIndex);
    rebuildTransponders();
    if (const int position = positionOfIndex(m_transponders, m_program.tpIndex); position >= 0)
        fields.transponderSelection = position;
    for (int k = 0; k < kFavouriteLists; ++k) {
        fields.favouriteNames[static_cast<std::size_t>(k)] =
            latin1ToUtf8(showName(nameText(img.favourites[k].favName)).text);
    }
    return 0;
}

void ProgramDialogModel::open() {
    const all_tables_block& img = m_db.image();
    const std::uint32_t viewMode = m_db.state().browse.viewMode;
    const bool belowTv = m_index < tvCountOf(img);
    fields.classEnabled = true;
    if (m_mode == kProgramDialogEdit) {
        fields.classEnabled = false;
        fields.provider = fields.providerSelection >= 0 ? m_providers[fields.providerSelection].text : "";
        for (int k = 0; k < kFavouriteLists; ++k) {
            fields.favourite[static_cast<std::size_t>(k)] = isMember(k, m_index);
        }
        fields.scrambled = (m_program.programFlags & kFlagScrambled) != 0;
        fields.scpc = (m_program.programFlags & kFlagScpc) != 0;
        fields.locked = (m_program.programFlags & kFlagLocked) != 0;
        fields.userProgram = (m_program.programFlags & kFlagUserProgram) != 0;
        fields.tv = belowTv;
        fields.radio = !belowTv;
    } else {
        fields.providerSelection = -1;
        fields.provider.clear();
        if (viewMode & kViewRadioOnly) {
            fields.classEnabled = false;
            fields.radio = true;
        } else if (viewMode & kViewTvOnly) {
            fields.classEnabled = false;
            fields.tv = true;
        } else if (viewMode & kViewTvAndRadio) {
            fields.tv = belowTv;
            fields.radio = !belowTv;
        }
    }
    fields.serviceId = std::to_string(m_program.serviceId);
    fields.pidsEnabled = fields.scpc;
    if (fields.scpc) {
        fields.videoPid = std::to_string(m_program.videoPid);
        fields.audioPid = std::to_string(m_program.audioPid);
        fields.pcrPid = std::to_string(m_program.pcrPid);
    }
    if (m_mode == kProgramDialogAdd)
        preselectFromTree();
}

void ProgramDialogModel::preselectFromTree() {
    const BrowseState& browse = m_db.state().browse;
    // The node texts are the stored names; the combos show them as the list does.
    const std::string selected = latin1ToUtf8(showName(browse.selectedText).text);
    const std::string parent = latin1ToUtf8(showName(browse.parentText).text);
    if (parent == "Providers") {
        if (const int position = positionOfText(m_providers, selected); position >= 0) {
            fields.providerSelection = position;
            fields.provider = m_providers[static_cast<std::size_t>(position)].text;
        }
    } else if (parent == "Satellites") {
        if (const int position = positionOfText(m_satellites, selected); position >= 0)
            satelliteChanged(position);
    } else if (parent.empty() || parent == "Favs" || selected == "Providers") {
        // A root or a favourite list: nothing to take a satellite or provider from.
    } else {
        // A transponder node: its satellite, then the transponder of its frequency.
        if (const int position = positionOfText(m_satellites, parent); position >= 0) {
            satelliteChanged(position);
            const std::optional<std::int32_t> frequency = parseDecimal(selected);
            const int tp = frequency ? positionOfText(m_transponders, std::to_string(*frequency)) : -1;
            if (tp >= 0)
                fields.transponderSelection = tp;
        }
    }
}

void ProgramDialogModel::satelliteChanged(int position) {
    fields.satelliteSelection = position;
    rebuildTransponders();
}

void ProgramDialogModel::rebuildTransponders() {
    const int satIndex = indexAt(m_satellites, fields.satelliteSelection);
    m_transponders = satIndex < 0 ? ComboItems{} : transponderItems(m_db, m_db.image().satellites[satIndex].satId);
    fields.transponderSelection = m_transponders.empty() ? -1 : 0;
}

void ProgramDialogModel::scpcClicked(bool checked) {
    fields.scpc = checked;
    fields.pidsEnabled = checked;
    const std::string text = checked ? "0" : "Auto";
    fields.videoPid = text;
    fields.audioPid = text;
    fields.pcrPid = text;
}

bool ProgramDialogModel::isMember(int list, int program) const {
    const st_fav& fav = m_db.image().favourites[list];
    const int count = favouriteCount(fav);
    return std::find(fav.favEntries, fav.favEntries + count, program) != fav.favEntries + count;
}

bool ProgramDialogModel::ok() {
    Checked checked;
    return check(checked) && apply(checked);
}

bool ProgramDialogModel::check(Checked& out) {
    const all_tables_block& img = m_db.image();
    auto refuse = [this](DialogField field, const std::string& text, MessageIcon icon) {
        m_refused = field;
        m_messages.show(text, icon);
        return false;
    };
    m_refused = DialogField::None;
    std::string offending;

    // 1. Name.
    const std::optional<std::string> name = utf8ToLatin1(fields.name, &offending);
    if (!name)
        return refuse(DialogField::Name, unstorableCharacterText("Channel name", offending), MessageIcon::Exclamation);
    out.name = storedName(firstChars(*name, kNameFieldLength), m_leadByte);

    // 2. Provider: an entry of that name, or a new provider at the end of the table.
    const std::optional<std::string> provider = utf8ToLatin1(fields.provider, &offending);
    if (!provider)
        return refuse(DialogField::Provider, unstorableCharacterText("Provider", offending), MessageIcon::Exclamation);
    const std::string providerName(firstChars(*provider, kProviderFieldLength));
    const int entry = positionOfText(m_providers, latin1ToUtf8(providerName));
    if (entry < 0 && providerName.empty())
        return refuse(DialogField::Provider, "Please enter a provider name.", MessageIcon::Exclamation);
    out.newProvider = entry < 0;
    out.providerIndex = out.newProvider ? providerCount(img) : m_providers[static_cast<std::size_t>(entry)].index;
    out.providerName = providerName;

    // 3. Transponder; a new program needs one to be tuned to.
    out.program = m_program;
    const int tpIndex = indexAt(m_transponders, fields.transponderSelection);
    if (tpIndex >= 0) {
        out.program.tpIndex = static_cast<std::uint16_t>(tpIndex);
    } else if (m_mode == kProgramDialogAdd) {
        return refuse(DialogField::Transponder,
                      "The chosen satellite has no transponder.\nAdd a transponder to it first.",
                      MessageIcon::Exclamation);
    }

    // 4. Status flags; bits without a check box stay.
    std::uint16_t flags = out.program.programFlags;
    flags = withFlag(flags, kFlagScrambled, fields.scrambled);
    flags = withFlag(flags, kFlagScpc, fields.scpc);
    flags = withFlag(flags, kFlagLocked, fields.locked);
    flags = withFlag(flags, kFlagUserProgram, fields.userProgram);
    out.program.programFlags = flags;

    // 5. PIDs, read only for an SCPC program.
    if (fields.scpc) {
        struct Pid {
            DialogField field;
            const std::string& text;
            bool reservedRefused;
            const char* error;
            std::uint16_t& target;
        };
        Pid pids[] = {
            {DialogField::VideoPid, fields.videoPid, true, "Video PID error!\nExpected digit 17..8190",
             out.program.videoPid},
            {DialogField::AudioPid, fields.audioPid, false, "Audio PID error!\nExpected digit 17..8190",
             out.program.audioPid},
            {DialogField::PcrPid, fields.pcrPid, false, "PCR PID error!\nExpected digit 17..8190", out.program.pcrPid},
        };
        for (Pid& pid : pids) {
            const std::string text = lowered(firstChars(pid.text, kNumberFieldLength));
            if (text.starts_with("auto"))
                return refuse(pid.field, "PIDs for SCPC program can not be 'Auto'", MessageIcon::None);
            if (pid.reservedRefused && text.starts_with("reserved"))
                return refuse(pid.field, "PIDs for SCPC program can not be 'Reserved'", MessageIcon::None);
            const std::optional<std::int32_t> value = parseDecimal(text);
            if (!value || *value < kMinPid || *value > kMaxPid)
                return refuse(pid.field, pid.error, MessageIcon::Stop);
            pid.target = static_cast<std::uint16_t>(*value);
        }
    }

    // 6. Service id.
    const std::optional<std::int32_t> serviceId = parseDecimal(firstChars(fields.serviceId, kNumberFieldLength));
    if (!serviceId || *serviceId < 0 || *serviceId > 0xFFFF)
        return refuse(DialogField::ServiceId, "Service ID error!\nExpected digit 0..65535", MessageIcon::Stop);
    out.program.serviceId = static_cast<std::uint16_t>(*serviceId);
    out.program.providerIndex = static_cast<std::uint16_t>(out.providerIndex);

    // 7. TV programs stand before the radio programs: the class decides the position.
    const int tv = tvCountOf(img);
    out.index = m_index;
    if (fields.tv) {
        out.kind = 0;
        if (out.index >= tv)
            out.index = 0;
    } else if (fields.radio) {
        out.kind = 1;
        if (out.index < tv)
            out.index = tv;
    }

    // What the image could still refuse, asked before anything is changed.
    if (out.newProvider && providerCount(img) >= kMaxProviders)
        return refuse(DialogField::Provider, "Provider table is full.", MessageIcon::None);
    if (m_mode == kProgramDialogAdd && programCount(img) >= kMaxPrograms)
        return refuse(DialogField::None, "Database is full.", MessageIcon::None);
    for (int k = 0; k < kFavouriteLists; ++k) {
        const st_fav& list = img.favourites[k];
        const bool member = m_mode == kProgramDialogEdit && isMember(k, out.index);
        if (fields.favourite[static_cast<std::size_t>(k)] && !member &&
            favouriteCount(list) + 1 >= kMaxFavouriteEntries) {
            return refuse(DialogField::Favourites,
                          "Favourite list " + latin1ToUtf8(showName(nameText(list.favName)).text) + " is full.",
                          MessageIcon::Exclamation);
        }
    }
    return true;
}

bool ProgramDialogModel::apply(const Checked& checked) {
    EditorState& state = m_db.state();
    RecordView view;
    if (checked.newProvider) {
        view.word16 = checked.providerName.c_str();
        if (const int r = m_db.modifyRecord(kTableProviders, kOpInsert, checked.providerIndex, view); r != 0) {
            m_messages.show(databaseErrorText(kTableProviders, r), MessageIcon::None);
            return false;
        }
    }

    const st_program& p = checked.program;
    view = RecordView{};
    view.word[0] = p.serviceId;
    view.word[1] = p.providerIndex;
    view.word[2] = p.tpIndex;
    view.word[3] = p.videoPid;
    view.word[4] = p.audioPid;
    view.word[5] = p.pcrPid;
    view.word[6] = p.programFlags;
    view.word16 = checked.name.c_str();
    const bool adding = m_mode == kProgramDialogAdd;
    if (adding)
        state.newProgramKind = checked.kind;
    if (const int r = m_db.modifyRecord(kTablePrograms, adding ? kOpInsert : kOpUpdate, checked.index, view); r != 0) {
        state.newProgramKind = -1;
        m_messages.show(databaseErrorText(kTablePrograms, r), MessageIcon::None);
        return false;
    }
    state.addedProgramIndex = checked.index;

    for (int k = 0; k < kFavouriteLists; ++k) {
        const bool wanted = fields.favourite[static_cast<std::size_t>(k)];
        // Adding a program a list already holds changes nothing; skipping it also spares a full list's refusal.
        if (wanted && isMember(k, checked.index))
            continue;
        RecordView entry;
        entry.word[1] = static_cast<std::uint32_t>(checked.index);
        if (const int r = m_db.modifyRecord(kTableFavourites, wanted ? kOpInsert : kOpDelete, k, entry); r != 0) {
            m_messages.show(databaseErrorText(kTableFavourites, r), MessageIcon::None);
            return false;
        }
    }
    m_db.updateChecksum();
    return true;
}

}  // namespace vizud
