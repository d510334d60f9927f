// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace model {

// The title strip of the parts list page: filled from the drawing's title block,
// editable, and written into the parts list files. CP932.
struct TTitleFields {
    std::string Project;       // 形式
    std::string DesignName;    // 図名
    std::string DesignNumber;  // 接続図図番
    std::string Designer;      // 設計者
    std::string DesignDate;    // 設計日
    std::string ListNumber;    // 部品表図番
};

}  // namespace model
