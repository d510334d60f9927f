// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/PartsList.h"
#include "partslist/PartLookups.h"
#include "view/ListView.h"
#include "view/UserInterface.h"

namespace partslist {

// The parts list is the model: a TPartRec holds everything a row shows and every correction
// the user makes, and the writers read the records. The two views below only show them, in
// list order; the column positions are named here and nowhere else.

// Columns of the printed-layout view (A).
enum SummaryColumn : int {
    kSummaryRef,
    kSummaryName,
    kSummaryAmount,
    kSummaryMaker,
    kSummaryGroup,
    kSummaryNote,
    kSummaryColumns
};

// Columns of the detail view (B).
enum DetailColumn : int {
    kDetailRef,
    kDetailFlag,
    kDetailUnits,
    kDetailSilk,
    kDetailFootprint,
    kDetailName,
    kDetailPinCheck,
    kDetailLastPin,
    kDetailColumns
};

// State images of the detail view's rows.
enum PartImage {
    kImageCheckOff = 0,
    kImageCheckOn = 1,
    kImageCheckDot = 2,
    kImageOrangeDot = 3,
    kImageRedDot = 4
};

// Longest missing or duplicate pin list shown, in bytes.
constexpr std::size_t kPinCheckTextLimit = 1024;

// What the pin check of a part found: missing pin texts, duplicate pin numbers.
struct PinCheck {
    std::string Missing;       // "3,5"
    std::string Duplicates;    // "4"
    std::int32_t LastPin = 0;  // the last pin's number; 0 for a part without pins
    // The text of the "空・重複" column.
    std::string Text() const;
};

PinCheck CheckPins(const model::TPartRec& part, PartLookups& lookups);
std::string FlagText(const model::TPartRec& part);
int StateImageOf(const model::TPartRec& part, const PinCheck& check);

std::vector<std::string> PartsViewAColumns();
std::vector<std::string> PartsViewBColumns();
std::vector<std::string> RowTextsA(const model::TPartRec& part, PartLookups& lookups);
std::vector<std::string> RowTextsB(const model::TPartRec& part, const PinCheck& check);

// Shows an edited part's name, amount, maker, group and note in its row of view A and its
// silk name, footprint and name in its row of view B (the pin check stays as loaded).
void ShowEditedPart(const model::TPartRec& part, view::ListView& viewA, view::ListView& viewB,
                    PartLookups& lookups);

// Fills both parts views from the list, sets each part's rows, shows the count and
// enables saving when the list has parts.
void ShowParts(model::TPartsList& parts, view::ListView& viewA, view::ListView& viewB,
               view::UserInterface& ui, PartLookups& lookups);

// The parts side of discarding the loaded data.
void ClearParts(model::TPartsList& parts, view::ListView& viewA, view::ListView& viewB,
                view::UserInterface& ui);

}  // namespace partslist
