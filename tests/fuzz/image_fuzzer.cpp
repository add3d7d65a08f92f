// A consistent channel image changed as the fuzzer's bytes say (counts, references, names, flags,
// favourite entries, the CRC, any byte), opened as the editor opens a file, then browsed as a user
// does: the tree filled, a node of it selected, the list's rows built and their texts made, the queries
// and tool tips of the chosen records read. The sanitizers catch any read or write outside the image.
#include <unistd.h>

#include <cstring>
#include <string>

#include "tests/fuzz/fuzz_support.h"
#include "tests/support/recording_tree.h"
#include "tests/support/temp_dir.h"
#include "views/list_rows.h"
#include "views/row_texts.h"
#include "views/tree_rules.h"

namespace {

using namespace vizud;

// One input in 32 goes through the file loader itself. False when it refused the file.
bool openThroughFile(ChannelDatabase& db, const all_tables_block& img) {
    static const std::string path = "/dev/shm/vizud-fuzz-" + std::to_string(::getpid()) + ".si";
    return test::writeFile(path, &img, kImageSize) && db.load(path) == 0;
}

void readRecords(FuzzedDataProvider& in, ChannelDatabase& db) {
    std::uint32_t value = 0;
    for (int code = 498; code <= 525; ++code)
        db.getInfo(code, value);
    RecordView view;
    ProgramSnapshot snap;
    for (int i = 0; i < 8 && in.remaining_bytes() > 0; ++i) {
        const int table = in.ConsumeIntegralInRange<int>(499, 505);
        const int index = in.ConsumeIntegralInRange<int>(-1, 402);
        view.word[0] = in.ConsumeIntegral<std::uint8_t>();
        db.getRecord(table, index, view);
        const int program = in.ConsumeIntegralInRange<int>(-1, kMaxPrograms);
        db.getProgramSnapshot(in.ConsumeIntegral<std::uint32_t>(), program, snap);
        db.getClipSnapshot(program, snap);
        db.getFavMembership(program, value);
        (void)satelliteTip(db, index);
        (void)transponderTip(db, in.ConsumeIntegralInRange<int>(-1, kMaxTransponders));
    }
}

// Selects a node of the filled tree as a click does and shows the list it filters.
void browse(FuzzedDataProvider& in, ChannelDatabase& db, EditorState& state, test::RecordingTree& tree) {
    const auto node = in.ConsumeIntegralInRange<TreeBuilder::Node>(1, tree.size());
    const TreeBuilder::Node parentNode = tree.parent(node);
    const std::string text = tree.text(node);
    const std::string parent = tree.text(parentNode);
    const std::string grandparent = tree.text(tree.parent(parentNode));
    const TreeNodeKind kind = classifyNode(text, parent, grandparent);
    selectNode(state.browse, kind, text, parent, in.ConsumeIntegralInRange<int>(-1, kMaxSatellites));
    if (kind == TreeNodeKind::Transponder)
        (void)findNodeTransponder(db, state.browse.satelliteIndex, text);
    state.browse.viewMode = in.PickValueInArray<std::uint32_t>(
        {kViewTvAndRadio | kViewWholeTable, kViewTvOnly | kViewWholeTable, kViewRadioOnly | kViewWholeTable,
         kViewTvAndRadio | (1u << (kViewFirstFavouriteBit + in.ConsumeIntegralInRange<int>(0, 8))),
         in.ConsumeIntegral<std::uint32_t>()});
    const ListFill fill = fillRows(db);
    RowFormatter texts(db);
    texts.refresh();
    // The rows a window shows: a page from a chosen place, and the last one.
    if (!fill.rows.empty()) {
        const std::size_t first = in.ConsumeIntegralInRange<std::size_t>(0, fill.rows.size() - 1);
        for (std::size_t r = first; r < std::min(first + 24, fill.rows.size()); ++r)
            for (int column = 0; column < kListColumns; ++column)
                (void)texts.text(fill.rows[r], column);
        (void)texts.text(fill.rows.back(), kColumnFavourites);
    }
    (void)db.isFilteredOut(in.ConsumeIntegralInRange<int>(-1, kMaxPrograms));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    test::DatabaseFixture& fx = fuzz::editor();
    ChannelDatabase& db = fx.db;
    static test::RecordingTree tree;

    FuzzedDataProvider in(data, size);
    const std::uint8_t how = in.ConsumeIntegral<std::uint8_t>();
    all_tables_block& img = fx.image();
    fuzz::startingImage(img, how & 3);
    fuzz::applyChanges(in, img, 24);
    const bool opened = (how >> 2) % 32 == 0 ? openThroughFile(db, img) : fuzz::openInPlace(db);
    if (!opened)
        return 0;  // not a channel image: refused, nothing to browse
    tree.clear();
    db.fillTree(tree);
    db.appendNewestProviderNode(tree);
    readRecords(in, db);
    browse(in, db, *fx.state, tree);
    if ((how >> 7) != 0 && in.ConsumeBool())
        (void)db.programsDumpText();
    return 0;
}
