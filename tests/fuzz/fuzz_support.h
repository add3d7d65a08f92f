// What the fuzz targets share: silent messages and tree, consistent starting images, and changes to an
// image chosen by the fuzzer's bytes.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <memory>
#include <string>
#include <vector>

#include "database/channel_database.h"
#include "database/tree_builder.h"

namespace vizud::fuzz {

class SilentMessages : public Messages {
public:
    void show(const std::string&, MessageIcon) override {}
    MessageAnswer ask(const std::string&, MessageButtons, MessageIcon) override { return answer; }
    MessageAnswer answer = MessageAnswer::Cancel;
};

// The editor's state and database as a fuzz target keeps them from input to input.
struct Editor {
    std::unique_ptr<EditorState> state = std::make_unique<EditorState>();
    SilentMessages messages;
    ChannelDatabase db{*state, messages};
    Editor() { db.setProgramsDumpPath(""); }
};

// Hands out node numbers and remembers the texts, so the tree fill's lookups of earlier nodes work.
class CountingTree : public TreeBuilder {
public:
    Node root(Root which) override;
    Node appendChild(Node parent, const std::string& text) override;
    Node lastChild(Node parent) override;
    std::string text(Node node) override;
    Node parent(Node node) const { return node >= 1 && node <= m_nodes.size() ? m_nodes[node - 1].parent : kNoNode; }
    Node size() const { return m_nodes.size(); }
    void clear() { m_nodes.clear(); }

private:
    struct Entry {
        Node parent;
        std::string text;
        Node lastChild = kNoNode;
    };
    std::vector<Entry> m_nodes;
};

// A consistent image of a few hundred programs over a dozen satellites (made once; each call copies it).
// `variant` picks one of a few such images.
void startingImage(all_tables_block& img, unsigned variant);

// Up to `maxChanges` changes chosen by `in`: a count, a program's or transponder's or satellite's field, a
// name, a favourite list's count or entry, the CRC, or any byte. Small steps from the current value are
// likelier than wild ones, so most changed images still load.
void applyChanges(FuzzedDataProvider& in, all_tables_block& img, int maxChanges);

// Takes the image already in the editor's state as the editor opens a file: refused when a count exceeds
// its table, else it is loaded and unused providers are swept. (Changing the state's image in place spares
// each input a copy of 722 KB.) Returns false when refused.
bool openInPlace(ChannelDatabase& db);

}  // namespace vizud::fuzz
