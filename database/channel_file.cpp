// The channel file (.si: the bare image), the program dump and the provider sweep.
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>

#include "database/atomic_file.h"
#include "database/channel_database.h"
#include "database/image_access.h"
#include "database/image_crc.h"

namespace vizud {

namespace {

template <typename... Values>
std::string format(const char* pattern, Values... values) {
    char text[160];
    std::snprintf(text, sizeof text, pattern, values...);
    return text;
}

// Why `got` bytes read into `img` are no channel image, for the line under "Error: Open failed2"; empty
// when they are one. The first count beyond its table is named, in the order the tables lie in the image.
std::string notAChannelImage(std::size_t got, const all_tables_block& img) {
    if (got < kImageSize)
        return format("The file has %zu bytes; a channel file has %zu.", got, kImageSize);
    const auto beyond = [](const char* what, int count, int room) {
        return count > room ? format("The file counts %d %s; the table has room for %d.", count, what, room)
                            : std::string();
    };
    for (std::string why :
         {beyond("satellites", img.satCount, kMaxSatellites), beyond("programs", img.programCount, kMaxPrograms),
          beyond("transponders", img.tpCount, kMaxTransponders),
          beyond("providers", img.providerCount, kMaxProviders)}) {
        if (!why.empty())
            return why;
    }
    if (img.tvCount > img.programCount)
        return format("The file counts %d TV programs of %d programs.", img.tvCount, img.programCount);
    for (int l = 0; l < kFavouriteLists; ++l) {
        const st_fav& list = img.favourites[l];
        if (list.favCount > kMaxFavouriteEntries)
            return format("Favourite list %d holds %d entries; it has room for %d.", l + 1, list.favCount,
                          kMaxFavouriteEntries);
        if (list.favTvCount > list.favCount)
            return format("Favourite list %d counts %d TV entries of %d entries.", l + 1, list.favTvCount,
                          list.favCount);
    }
    return {};
}

}  // namespace

int ChannelDatabase::load(const std::string& path, const std::function<void(const all_tables_block&)>& asRead) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        m_messages.show("Open1", MessageIcon::Exclamation);
        return -1;
    }
    // Read into a scratch image: a short or foreign file must not destroy the database being edited.
    auto scratch = std::make_unique<all_tables_block>();
    const std::size_t got = std::fread(scratch.get(), 1, kImageSize, file);
    std::fclose(file);
    if (const std::string why = notAChannelImage(got, *scratch); !why.empty()) {
        m_messages.show("Error: Open failed2\n" + why, MessageIcon::Exclamation);
        return -3;
    }
    if (asRead)
        asRead(*scratch);
    std::memcpy(&m_state.image, scratch.get(), kImageSize);
    m_loadedFlag = 1;
    // The clipboard still describes the previous database; it plays no part in the new one's sweep.
    sweepProviders(false);
    if (!m_dumpPath.empty()) {
        writeProgramsDump(m_dumpPath);
    }
    return 0;
}

int ChannelDatabase::save(const std::string& path, std::string* why) {
    // The file gets a fresh CRC; when it cannot be written, the image keeps the CRC it had.
    auto* bytes = reinterpret_cast<std::uint8_t*>(&m_state.image);
    const std::uint32_t crc = m_state.image.imageCrc;
    const std::uint8_t cleared = bytes[kClearedFlashByte];
    refreshCrc();
    if (!writeFileAtomically(path, &m_state.image, kImageSize, why)) {
        m_state.image.imageCrc = crc;
        bytes[kClearedFlashByte] = cleared;
        return -1;
    }
    return 0;
}

std::string ChannelDatabase::programsDumpText() const {
    const all_tables_block& img = m_state.image;
    const int count = programCount(img);
    std::string text;
    text.reserve(static_cast<std::size_t>(count) * 64);
    char line[128];
    for (int i = 0; i < count; ++i) {
        const st_program& prog = img.programs[i];
        const std::string name = nameText(prog.name);
        const auto lead = static_cast<unsigned char>(name.empty() ? 0 : name[0]);
        int n;
        if (lead >= 1 && lead <= 31) {
            n = std::snprintf(line, sizeof(line), "%02X  %16s", lead, name.c_str() + 1);
        } else {
            n = std::snprintf(line, sizeof(line), "    %16s", name.c_str());
        }
        text.append(line, static_cast<std::size_t>(n));
        n = std::snprintf(line, sizeof(line), " %5d %5d %5d %4d %4d %4d %1X\n", prog.serviceId, prog.providerIndex,
                          prog.tpIndex, prog.videoPid, prog.audioPid, prog.pcrPid, prog.programFlags);
        text.append(line, static_cast<std::size_t>(n));
    }
    return text;
}

void ChannelDatabase::writeProgramsDump(const std::string& path) const {
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr) {
        return;
    }
    const std::string text = programsDumpText();
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
}

void ChannelDatabase::removeUnusedProviders() {
    sweepProviders(true);
}

void ChannelDatabase::sweepProviders(bool keepClipboardProviders) {
    all_tables_block& img = m_state.image;
    const int providers = providerCount(img);
    const int programs = programCount(img);

    // The box's sweep removes unused providers one at a time, renumbering all programs each time. The
    // programs are renumbered here in one pass instead: every reference drops by the number of removed
    // providers below it, which is exactly what the one-at-a-time sweep ends with. The names move down
    // one removal at a time, so the freed slots end up holding the same bytes as with the box's sweep.
    //
    // A program cut to the clipboard still needs its provider when it is pasted back, so providers that
    // clipboard nodes name count as used, and the nodes are renumbered with the programs.
    bool used[kMaxProviders] = {};
    for (int p = 0; p < programs; ++p) {
        if (img.programs[p].providerIndex < providers) {
            used[img.programs[p].providerIndex] = true;
        }
    }
    for (const ProgramSnapshot* node = keepClipboardProviders ? m_state.programClipboard : nullptr; node != nullptr;
         node = node->next) {
        if (node->providerIndex < providers) {
            used[node->providerIndex] = true;
        }
    }
    std::uint16_t removedBelow[kMaxProviders + 1];
    int removed = 0;
    int count = providers;
    for (int original = 0; original < providers; ++original) {
        removedBelow[original] = static_cast<std::uint16_t>(removed);
        if (used[original]) {
            continue;
        }
        const int current = original - removed;
        std::memmove(&img.providers[current], &img.providers[current + 1],
                     sizeof(ProviderName) * static_cast<std::size_t>(count - current - 1));
        --count;
        ++removed;
    }
    removedBelow[providers] = static_cast<std::uint16_t>(removed);
    if (removed == 0) {
        return;
    }
    const auto renumber = [&](std::uint16_t& index) {
        index = static_cast<std::uint16_t>(index - removedBelow[index < providers ? index : providers]);
    };
    for (int p = 0; p < programs; ++p) {
        renumber(img.programs[p].providerIndex);
    }
    for (ProgramSnapshot* node = keepClipboardProviders ? m_state.programClipboard : nullptr; node != nullptr;
         node = node->next) {
        renumber(node->providerIndex);
    }
    img.providerCount = static_cast<std::uint16_t>(count);
}

}  // namespace vizud
