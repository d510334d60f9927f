// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "view/ListView.h"
#include "view/TreeView.h"
#include "view/UserInterface.h"

// Finding a row of a list or a node of a tree by a search text. Texts are CP932.
namespace app {

// Whether `text` occurs in `item` starting on a character of it, with ASCII letters
// compared without regard to case (double-byte characters are compared as they are).
bool SearchMatches(std::string_view item, std::string_view text);

// Forward from the selected row (after it with `skipCurrent`; from the first row when none
// is selected) or backward from the row before it (the last row when none is), without
// wrapping: the first row with a matching cell is selected and scrolled into view. When no
// row matches, the text followed by "は見つかりません" is shown and the selection stays.
// An empty text does nothing. True when a row was found.
bool FindInList(view::ListView& view, view::UserInterface& ui, std::string_view text,
                bool skipCurrent);
bool FindBackInList(view::ListView& view, view::UserInterface& ui, std::string_view text);

// The same over a tree's nodes in flat order (each node, then its children, collapsed or
// not, then its next sibling); only a node's own text counts, and a found node's
// ancestors are expanded.
bool FindInTree(view::TreeView& view, view::UserInterface& ui, std::string_view text,
                bool skipCurrent);
bool FindBackInTree(view::TreeView& view, view::UserInterface& ui, std::string_view text);

}  // namespace app
