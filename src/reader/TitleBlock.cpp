// SPDX-License-Identifier: GPL-3.0-or-later
#include "reader/TitleBlock.h"

namespace reader {

bool TitleBlockMemory::Consider(const model::CCe2Part& part, std::optional<SymbolSize> size) {
    if (!(part.Y > RememberedY || part.X < RememberedX)) {
        return false;
    }
    RememberedX = part.X;
    RememberedY = part.Y;
    OriginX = part.X;
    OriginY = part.Y;
    if (size) {
        bool quarterTurned = part.Rotation() == 1 || part.Rotation() == 3;
        OriginX -= 10 * (quarterTurned ? size->Height : size->Width);
        OriginY -= 10 * (quarterTurned ? size->Width : size->Height);
    }
    return true;
}

void FillTitleFields(const TitleBlockMemory& block, const model::TCommentList& comments,
                     model::TTitleFields& titles) {
    const int tx = block.OriginX;
    const int ty = block.OriginY;
    for (const model::TComment& comment : comments.Items) {
        const int x = comment.X;
        const int y = comment.Y;
        if (y <= ty) {
            continue;
        }
        const bool rightColumn = x > tx + 360;
        const bool leftColumn = x > tx - 10 && x < tx + 70;
        if (y < ty + 40) {
            if (rightColumn) {
                titles.Project = comment.Text;
            }
        } else if (y < ty + 80) {
            if (rightColumn) {
                titles.DesignName = comment.Text;
            } else if (leftColumn) {
                titles.Designer = comment.Text;
            }
        } else if (y < ty + 105) {
            if (rightColumn) {
                titles.DesignNumber = comment.Text;
            } else if (leftColumn) {
                titles.DesignDate = comment.Text;
            }
        }
    }
}

}  // namespace reader
