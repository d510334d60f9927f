// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "view/TreeView.h"
#include "view/UserInterface.h"

namespace tables {

// What pin placement asks of the pin conversion list: the pin number that a part's pin
// text stands for.
class PinNumberLookup {
  public:
    virtual ~PinNumberLookup() = default;
    // In the first block named `partName` (ASCII case ignored), the number of the first
    // pair whose text equals `pinText` (ASCII case ignored); none without such a block or
    // pair.
    virtual std::optional<int> PinNumberOf(std::string_view partName,
                                           std::string_view pinText) const = 0;
};

struct TPinCvtRec {
    std::int32_t PinNo = 0;
    std::string PinText;  // CP932
};

// The pairs of one part name.
struct TPinCvtDat {
    std::string BlockName;  // converted part name, CP932
    std::vector<TPinCvtRec> Pins;
};

// The pin conversion list of "PinCvtList.txt" in the conversion folder: per part name,
// pin texts (such as A3) with their pin numbers, in file order. Shown read-only as a tree.
class TPinCvtList : public PinNumberLookup {
  public:
    static constexpr const char* kFileName = "PinCvtList.txt";

    // The list of the file in the conversion folder (made absolute now), empty until loaded.
    explicit TPinCvtList(const std::filesystem::path& cvtFolder);

    const std::filesystem::path& FilePath() const { return path_; }

    const std::vector<TPinCvtDat>& Blocks() const { return blocks_; }

    // Empties the list and the tree, then reads the file (a missing file leaves both
    // empty; one that cannot be opened is reported).
    void LoadPinCvt(view::TreeView& tree, view::UserInterface& ui);
    // The pin text paired with `number` in the first block named `partName`, else the
    // decimal text of the number.
    std::string PinTextOf(std::string_view partName, int number) const;
    std::optional<int> PinNumberOf(std::string_view partName,
                                   std::string_view pinText) const override;
    // Whether a block is named `partName` (ASCII case ignored).
    bool HasBlock(std::string_view partName) const { return FirstBlock(partName) != nullptr; }

  private:
    const TPinCvtDat* FirstBlock(std::string_view partName) const;

    std::filesystem::path path_;
    std::vector<TPinCvtDat> blocks_;
};

// The number text of a pair line read as C's atoi does: leading blanks, an optional sign,
// the leading digits; 0 without digits. Held to the 32-bit range.
std::int32_t PinNumberText(std::string_view text);

}  // namespace tables
