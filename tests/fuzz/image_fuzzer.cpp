// Takes arbitrary bytes as a channel file, loads it as the editor does and runs every query over every
// index. The sanitizers catch any read or write outside the image.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "database/channel_database.h"

namespace {

class SilentMessages : public vizud::Messages {
public:
    void show(const std::string&, vizud::MessageIcon) override {}
    vizud::MessageAnswer ask(const std::string&, vizud::MessageButtons, vizud::MessageIcon) override {
        return vizud::MessageAnswer::Cancel;
    }
};

class NullTree : public vizud::TreeBuilder {
public:
    Node root(Root which) override { return static_cast<Node>(which) + 1; }
    Node appendChild(Node, const std::string& text) override {
        last = text;
        return ++count + 3;
    }
    Node lastChild(Node) override { return count ? count + 3 : kNoNode; }
    std::string text(Node) override { return last; }
    std::string last;
    Node count = 0;
};

std::string scratchPath() {
    static const std::string path = "/tmp/vizud-fuzz-" + std::to_string(::getpid()) + ".si";
    return path;
}

// Every query runs over every index in use, one past it and the edges of each table. The costly ones
// (snapshots and per-row filters scan all nine lists per call) are spread over inputs by two bits of the
// first byte, so one input stays fast enough to fuzz and all of them are reached.
void runQueries(vizud::ChannelDatabase& db, vizud::EditorState& state, std::uint8_t selector) {
    using namespace vizud;
    std::uint32_t value = 0;
    for (int code = 498; code <= 525; ++code)
        db.getInfo(code, value);
    RecordView view;
    for (int table = 499; table <= 505; ++table) {
        for (int index = -1; index <= 20001; index += (index < 410 ? 1 : 97)) {
            view.word[0] = static_cast<std::uint32_t>(index % 402);
            db.getRecord(table, index, view);
        }
    }
    db.findSatIndexById(selector);
    int index = 0;
    db.findSatByName(std::string(state.image.satellites[selector % kMaxSatellites].name, 16), &index);
    db.findTransponder(selector, 12000);
    db.findIndexByName(kTableProviders, "x");
    db.findIndexByName(kTableFavourites, "Fav_1");

    const int programs = std::min<int>(state.image.programCount, kMaxPrograms);
    const auto everyProgram = [&](auto&& query) {
        for (int p = -1; p <= programs + 1; ++p)
            query(p);
        query(kMaxPrograms - 1);
        query(kMaxPrograms);
    };
    switch ((selector >> 2) & 3) {
        case 0: {
            auto snap = std::make_unique<ProgramSnapshot>();
            const std::uint32_t modes[] = {0, kViewRadioOnly | (1u << 13), 1u << 6, kViewTvOnly};
            everyProgram([&](int p) {
                db.getProgramSnapshot(modes[static_cast<unsigned>(p + 1) % 4], p, *snap);
                db.getClipSnapshot(p, *snap);
                db.getFavMembership(p, value);
            });
            break;
        }
        case 1:
        case 2: {
            const std::uint8_t kinds[] = {0, kFilterProvider, kFilterSatellite, kFilterTransponder, kFilterFavs, 0xFF};
            state.browse.selectedText = std::string(state.image.satellites[0].name, 16);
            state.browse.parentText = std::string(state.image.satellites[1].name, 16);
            for (const std::uint8_t kind : kinds) {
                state.browse.filterKind = kind;
                (void)db.shownPrograms();
                if ((selector >> 2 & 3) == 2)
                    everyProgram([&](int p) { db.isFilteredOut(p); });
            }
            break;
        }
        default: {
            NullTree tree;
            db.fillTree(tree);
            db.appendNewestProviderNode(tree);
            (void)db.programsDumpText();
            break;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vizud;
    static auto state = std::make_unique<EditorState>();
    static SilentMessages messages;
    static ChannelDatabase db(*state, messages);
    db.setProgramsDumpPath("");

    // The input is the start of an image; the rest is a repeating pattern so short inputs still reach the
    // tables. The first byte also chooses whether the counts get the load check or go straight in.
    static auto image = std::make_unique<all_tables_block>();
    std::memset(image.get(), 0, kImageSize);
    auto* bytes = reinterpret_cast<std::uint8_t*>(image.get());
    if (size > 0) {
        std::memcpy(bytes, data, std::min(size, kImageSize));
        for (std::size_t filled = std::min(size, kImageSize); filled < kImageSize; filled *= 2) {
            std::memcpy(bytes + filled, bytes, std::min(filled, kImageSize - filled));
        }
    }
    if (size >= 2 + 12) {
        // Let the input set the counts directly.
        std::memcpy(&image->satCount, data + 2, 12);
    }
    const std::uint8_t selector = size ? data[0] : 0;

    if (selector & 1) {
        std::FILE* file = std::fopen(scratchPath().c_str(), "wb");
        if (file == nullptr)
            return 0;
        std::fwrite(image.get(), 1, (selector & 2) ? kImageSize : size, file);
        std::fclose(file);
        db.load(scratchPath());
    } else {
        std::memcpy(&state->image, image.get(), kImageSize);
    }
    runQueries(db, *state, selector);
    return 0;
}
