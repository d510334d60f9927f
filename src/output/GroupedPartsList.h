// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/PartsList.h"
#include "model/TitleFields.h"
#include "output/ByteSink.h"
#include "output/TextEncoding.h"

// The grouped parts list board houses and spreadsheets take: RFC 4180 CSV (fields quoted
// when they hold a comma, a quote or a line break, quotes doubled, CRLF), a header row, one
// row per distinct converted name, maker, footprint and silk name with its quantity and its
// references. The parts the parts list leaves out (no reference) are left out here too.
namespace output {

enum class BomField {
    References,
    Quantity,
    Name,
    Maker,
    Group,
    Footprint,
    Silk,
    Note,
    // The title fields, the same in every row.
    Designer,
    DesignDate,
    Project,
    DesignName,
    DesignNumber,
    ListNumber,
};

struct BomOptions {
    std::vector<BomField> Fields{BomField::References, BomField::Quantity, BomField::Name,
                                 BomField::Maker, BomField::Footprint};
    // "R1-R4, R7"; false writes every reference, for houses that do not expand ranges.
    bool Ranges = true;
    TextEncoding Encoding = TextEncoding::Utf8;
};

// The column names --fields takes, comma-separated, in the order given; an error naming
// the first unknown one.
std::optional<std::vector<BomField>> ParseBomFields(std::string_view list, std::string& error);
// Every field's name, for --help.
std::string BomFieldNames();

struct BomReference {
    std::string Text;  // the reference as drawn, CP932
    std::string Prefix;
    std::int64_t Number = 0;
    // Only references written as prefix and plain number (R7, not R7A or R007) join a range.
    bool Plain = false;
};
BomReference BomReferenceOf(const model::TPartRec& part);

// The references, in the order given, as a list: three or more consecutive numbers of one
// prefix as a range ("R1-R4, R7, C2, C3").
std::string ReferenceList(const std::vector<BomReference>& references, bool ranges);

// The group name of a part's name conversion index (empty for none).
using GroupNameFn = std::function<std::string(int)>;

void WriteGroupedPartsList(ByteSink& out, const BomOptions& options,
                           const model::TTitleFields& titles, const model::TPartsList& parts,
                           const GroupNameFn& groupName);
std::string GroupedPartsListBytes(const BomOptions& options, const model::TTitleFields& titles,
                                  const model::TPartsList& parts, const GroupNameFn& groupName);

}  // namespace output
