// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/CommentList.h"

#include "text/Sjis.h"

namespace model {

void TCommentList::AddComment(std::int16_t x, std::int16_t y, std::string_view text) {
    Items.push_back({x, y, text::FitField(text, 256)});
}

}  // namespace model
