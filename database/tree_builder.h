// What fillTree needs of the tree pane: three fixed roots and children appended in order.
// The tree view implements it over its widget; tests implement it over plain vectors.
#pragma once

#include <cstdint>
#include <string>

namespace vizud {

class TreeBuilder {
public:
    using Node = std::uintptr_t;
    static constexpr Node kNoNode = 0;
    enum class Root { Favourites, Providers, Satellites };

    virtual ~TreeBuilder() = default;
    virtual Node root(Root which) = 0;
    // Appends a child with the given label (raw name bytes) as the last child of `parent`.
    virtual Node appendChild(Node parent, const std::string& text) = 0;
    // The last child of `parent`, or kNoNode when it has none.
    virtual Node lastChild(Node parent) = 0;
    virtual std::string text(Node node) = 0;
};

}  // namespace vizud
