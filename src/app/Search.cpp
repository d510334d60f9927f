// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Search.h"

#include <functional>
#include <vector>

#include "text/Compare.h"
#include "text/Cp932.h"

namespace app {

namespace {

// A search text raised once, matched against many items without a copy of its own for each:
// a search walks every cell of lists of half a million rows.
class RaisedSearch {
  public:
    explicit RaisedSearch(std::string_view text) : text_(text::FoldAscii(text)) {}

    // ASCII letters raised, double-byte characters stepped over whole (their second byte may
    // fall among the letters): the text may start on any character of the item.
    bool In(std::string_view item) const {
        if (item.empty() || item.size() < text_.size()) {
            return false;
        }
        // Nearly every cell is plain ASCII, where each byte starts a character.
        item_.assign(item);
        bool ascii = true;
        text::AsciiFolder fold;
        for (char& c : item_) {
            if (static_cast<unsigned char>(c) >= 0x80) {
                ascii = false;
                break;
            }
            c = fold(c);
        }
        if (ascii) {
            return item_.find(text_) != std::string::npos;
        }
        item_.assign(item);
        starts_.clear();
        fold = text::AsciiFolder();
        for (char& c : item_) {
            if (!fold.AtTrailByte()) {
                starts_.push_back(static_cast<std::size_t>(&c - item_.data()));
            }
            c = fold(c);
        }
        for (std::size_t start : starts_) {
            if (item_.compare(start, text_.size(), text_) == 0) {
                return true;
            }
        }
        return false;
    }

  private:
    std::string text_;
    mutable std::string item_;
    mutable std::vector<std::size_t> starts_;
};

void NotFound(view::UserInterface& ui, std::string_view text) {
    ui.ShowMessage(std::string(text) + text::Sj("\nは見つかりません"));
}

// Visits positions from `start` in steps of `step` while inside [0, count); the first
// that `matches` is returned, -1 when none.
int Scan(int start, int step, int count, const std::function<bool(int)>& matches) {
    for (int at = start; at >= 0 && at < count; at += step) {
        if (matches(at)) {
            return at;
        }
    }
    return -1;
}

bool RowMatches(const view::ListView& view, int row, const RaisedSearch& text) {
    return view.AnyCell(row, std::max(1, view.ColumnCount()),
                        [&text](std::string_view cell) { return text.In(cell); });
}

bool FindRow(view::ListView& view, view::UserInterface& ui, std::string_view text, int start,
             int step) {
    if (text.empty()) {
        return false;
    }
    const RaisedSearch raised(text);
    int found =
        Scan(start, step, view.RowCount(), [&](int row) { return RowMatches(view, row, raised); });
    if (found < 0) {
        NotFound(ui, text);
        return false;
    }
    view.Select(found);
    view.ScrollIntoView(found);
    return true;
}

void Flatten(const view::TreeView& view, view::TreeView::Node parent,
             std::vector<view::TreeView::Node>& nodes) {
    // A work list rather than recursion: a deep tree cannot exhaust the stack.
    std::vector<view::TreeView::Node> pending;
    auto pushChildren = [&](view::TreeView::Node of) {
        for (int i = view.ChildCount(of); i-- > 0;) {
            pending.push_back(view.Child(of, i));
        }
    };
    pushChildren(parent);
    while (!pending.empty()) {
        view::TreeView::Node node = pending.back();
        pending.pop_back();
        nodes.push_back(node);
        pushChildren(node);
    }
}

bool FindNode(view::TreeView& view, view::UserInterface& ui, std::string_view text, int skipOrStep,
              bool backward) {
    if (text.empty()) {
        return false;
    }
    std::vector<view::TreeView::Node> nodes;
    Flatten(view, view::TreeView::kNone, nodes);
    const int count = static_cast<int>(nodes.size());
    int selected = -1;
    if (view::TreeView::Node current = view.Selected(); current != view::TreeView::kNone) {
        for (int i = 0; i < count && selected < 0; ++i) {
            selected = nodes[static_cast<std::size_t>(i)] == current ? i : -1;
        }
    }
    int start = backward ? (selected < 0 ? count - 1 : selected - 1)
                         : (selected < 0 ? 0 : selected + skipOrStep);
    const RaisedSearch raised(text);
    int found = Scan(start, backward ? -1 : 1, count, [&](int at) {
        return raised.In(view.NodeText(nodes[static_cast<std::size_t>(at)]));
    });
    if (found < 0) {
        NotFound(ui, text);
        return false;
    }
    view::TreeView::Node node = nodes[static_cast<std::size_t>(found)];
    for (auto up = view.Parent(node); up != view::TreeView::kNone; up = view.Parent(up)) {
        view.Expand(up);
    }
    view.Select(node);
    return true;
}

}  // namespace

bool SearchMatches(std::string_view item, std::string_view text) {
    return RaisedSearch(text).In(item);
}

bool FindInList(view::ListView& view, view::UserInterface& ui, std::string_view text,
                bool skipCurrent) {
    int selected = view.Selected();
    int start = selected < 0 ? 0 : selected + (skipCurrent ? 1 : 0);
    return FindRow(view, ui, text, start, 1);
}

bool FindBackInList(view::ListView& view, view::UserInterface& ui, std::string_view text) {
    int selected = view.Selected();
    return FindRow(view, ui, text, selected < 0 ? view.RowCount() - 1 : selected - 1, -1);
}

bool FindInTree(view::TreeView& view, view::UserInterface& ui, std::string_view text,
                bool skipCurrent) {
    return FindNode(view, ui, text, skipCurrent ? 1 : 0, false);
}

bool FindBackInTree(view::TreeView& view, view::UserInterface& ui, std::string_view text) {
    return FindNode(view, ui, text, 0, true);
}

}  // namespace app
