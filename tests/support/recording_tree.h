// A tree pane over a plain vector for tests and fuzz targets: nodes 1..3 are the roots, children are
// numbered as they are appended, and each node's parent and text are kept so the tree fill's lookups of
// earlier nodes work.
#pragma once

#include <string>
#include <vector>

#include "database/tree_builder.h"

namespace vizud::test {

class RecordingTree : public TreeBuilder {
public:
    RecordingTree() { clear(); }

    Node root(Root which) override { return static_cast<Node>(which) + 1; }
    Node appendChild(Node parent, const std::string& text) override {
        m_nodes.push_back({parent, text});
        if (known(parent))
            m_nodes[parent - 1].lastChild = m_nodes.size();
        return m_nodes.size();
    }
    Node lastChild(Node parent) override { return known(parent) ? m_nodes[parent - 1].lastChild : kNoNode; }
    std::string text(Node node) override { return known(node) ? m_nodes[node - 1].text : std::string(); }

    Node parent(Node node) const { return known(node) ? m_nodes[node - 1].parent : kNoNode; }
    Node size() const { return m_nodes.size(); }
    std::vector<Node> children(Node parent) const {
        std::vector<Node> out;
        for (Node n = 1; n <= m_nodes.size(); ++n) {
            if (m_nodes[n - 1].parent == parent)
                out.push_back(n);
        }
        return out;
    }
    void clear() { m_nodes = {{kNoNode, "Favourites"}, {kNoNode, "Providers"}, {kNoNode, "Satellites"}}; }

private:
    struct Entry {
        Node parent;
        std::string text;
        Node lastChild = kNoNode;
    };
    bool known(Node node) const { return node >= 1 && node <= m_nodes.size(); }
    std::vector<Entry> m_nodes;
};

}  // namespace vizud::test
