// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace view {

// A tree of CP932 texts. Nodes are named by opaque handles the view hands out.
class TreeView {
  public:
    using Node = int;
    static constexpr Node kNone = -1;

    virtual ~TreeView() = default;

    virtual void BeginUpdate() = 0;
    virtual void EndUpdate() = 0;
    virtual void Clear() = 0;
    // Appends a child to `parent` (kNone: a top-level node) and returns it.
    virtual Node AddNode(Node parent, const std::string& text) = 0;
    virtual std::string NodeText(Node node) const = 0;
    virtual Node Parent(Node node) const = 0;
    virtual int ChildCount(Node parent) const = 0;  // kNone: top-level count
    virtual Node Child(Node parent, int index) const = 0;

    virtual Node Selected() const = 0;
    virtual void Select(Node node) = 0;
    virtual void Expand(Node node) = 0;
};

}  // namespace view
