// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "model/Ce2Records.h"
#include "model/CommentList.h"
#include "model/TitleFields.h"

namespace reader {

// A symbol's body size in grid units (10 drawing units each).
struct SymbolSize {
    int Width = 0;
    int Height = 0;
};

// Where the title block of the drawings lies. The remembered position starts at (0, 0)
// when the program starts and is never reset, so a later drawing's title block is
// compared with those of earlier loads too.
struct TitleBlockMemory {
    int RememberedX = 0;
    int RememberedY = 0;
    int OriginX = 0;  // corner of the title block the title texts are measured from
    int OriginY = 0;

    // Takes the part as the title block when it lies lower or further left than the one
    // remembered; returns whether it was taken.
    bool Consider(const model::CCe2Part& part, std::optional<SymbolSize> size);
};

// Sets the title fields from the comments that lie in the title block's text cells; a
// later comment overwrites an earlier one.
void FillTitleFields(const TitleBlockMemory& block, const model::TCommentList& comments,
                     model::TTitleFields& titles);

}  // namespace reader
