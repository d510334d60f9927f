// SPDX-License-Identifier: GPL-3.0-or-later
#include "partslist/PartsViews.h"

#include "model/CountTexts.h"
#include "model/NetList.h"
#include "model/WalkAhead.h"
#include "text/Cp932.h"
#include "text/Sjis.h"

namespace partslist {
namespace {

// The list without its leading comma, cut to the column's limit at a whole character.
std::string ShownList(const std::string& list) {
    std::string_view body = std::string_view(list).substr(list.empty() ? 0 : 1);
    return text::FitField(body, kPinCheckTextLimit + 1);
}

}  // namespace

std::string PinCheck::Text() const {
    if (!Duplicates.empty()) {
        return text::Sj("重") + ShownList(Duplicates);
    }
    return ShownList(Missing);
}

PinCheck CheckPins(const model::TPartRec& part, PartLookups& lookups) {
    PinCheck check;
    long expected = 1;
    for (const auto& pin : part.Pins) {
        if (pin->PinOrder < expected) {
            if (check.Duplicates.size() <= kPinCheckTextLimit) {
                check.Duplicates += "," + pin->PinNumber.str();
            }
        } else {
            // A wildly large pin number must not make the gap list endless.
            for (; expected < pin->PinOrder && check.Missing.size() <= kPinCheckTextLimit;
                 ++expected) {
                check.Missing +=
                    "," + lookups.PinTextOf(part.CvtNameText(), static_cast<int>(expected));
            }
        }
        expected = static_cast<long>(pin->PinOrder) + 1;
    }
    check.LastPin = part.Pins.empty() ? 0 : part.Pins.back()->PinOrder;
    return check;
}

namespace {

bool PinsNumberedInTurn(const model::TPartRec& part) {
    for (std::size_t i = 0; i < part.Pins.size(); ++i) {
        if (part.Pins[i]->PinOrder != static_cast<std::int32_t>(i + 1)) {
            return false;
        }
    }
    return true;
}

// The pin checks of every part. Reading every pin in the order of the list missed the
// cache at nearly every part of a large drawing: the pins are first read in the order of
// the parts' places to find the parts whose pins are simply 1, 2, ... n, whose check is
// then known without reading them again.
class PinChecks {
  public:
    PinChecks(const model::TPartsList& parts, PartLookups& lookups)
        : lookups_(lookups), inTurn_(parts.Items.size()) {
        for (std::size_t index : parts.PlaceOrder()) {
            inTurn_[index] = PinsNumberedInTurn(*parts.Items[index]);
        }
    }
    // The check of the part at `index` in the list.
    PinCheck Of(const model::TPartRec& part, std::size_t index) const {
        if (!inTurn_[index]) {
            return CheckPins(part, lookups_);
        }
        PinCheck inTurn;
        inTurn.LastPin = static_cast<std::int32_t>(part.Pins.size());
        return inTurn;
    }

  private:
    PartLookups& lookups_;
    std::vector<bool> inTurn_;
};

}  // namespace

std::string FlagText(const model::TPartRec& part) {
    std::string flag;
    if (part.NameConflict) {
        flag += text::Sj("異");
    }
    if (part.UnitNo >= 2) {
        flag += text::Sj("多");
    }
    return flag;
}

int StateImageOf(const model::TPartRec& part, const PinCheck& check) {
    if (part.Pins.empty()) {
        return kImageCheckOff;
    }
    if (!check.Duplicates.empty() || part.NameConflict) {
        return kImageRedDot;
    }
    if (!check.Missing.empty()) {
        return kImageOrangeDot;
    }
    return kImageCheckDot;
}

std::vector<std::string> PartsViewAColumns() {
    std::vector<std::string> captions(kSummaryColumns);
    captions[kSummaryRef] = text::Sj("部品番号");
    captions[kSummaryName] = text::Sj("部品名");
    captions[kSummaryAmount] = text::Sj("数量");
    captions[kSummaryMaker] = text::Sj("メーカー名");
    captions[kSummaryGroup] = text::Sj("種別");
    captions[kSummaryNote] = text::Sj("備考");
    return captions;
}

std::vector<std::string> PartsViewBColumns() {
    std::vector<std::string> captions(kDetailColumns);
    captions[kDetailRef] = text::Sj("部品番号");
    captions[kDetailFlag] = text::Sj("旗");
    captions[kDetailUnits] = text::Sj("発生数");
    captions[kDetailSilk] = text::Sj("部品シルク");
    captions[kDetailFootprint] = text::Sj("フットプリント");
    captions[kDetailName] = text::Sj("部品名");
    captions[kDetailPinCheck] = text::Sj("空・重複");
    captions[kDetailLastPin] = text::Sj("最大Pin");
    return captions;
}

std::vector<std::string> RowTextsA(const model::TPartRec& part, PartLookups& lookups) {
    std::vector<std::string> cells(kSummaryColumns);
    cells[kSummaryRef] = std::string(part.RefText());
    cells[kSummaryName] = std::string(part.CvtNameText());
    cells[kSummaryAmount] = std::to_string(part.Amount);
    cells[kSummaryMaker] = std::string(part.MakerNameText());
    cells[kSummaryGroup] = lookups.GroupName(part.NameCvtIndex);
    // Shown only once edited: a load shows the column empty although the parts keep their
    // notes, which the parts list file still writes.
    cells[kSummaryNote] = std::string();
    return cells;
}

std::vector<std::string> RowTextsB(const model::TPartRec& part, const PinCheck& check) {
    std::vector<std::string> cells(kDetailColumns);
    cells[kDetailRef] = std::string(part.RefText());
    cells[kDetailFlag] = FlagText(part);
    cells[kDetailUnits] = std::to_string(part.UnitNo);
    cells[kDetailSilk] = part.SilkName.str();
    cells[kDetailFootprint] = part.FootPrint.str();
    cells[kDetailName] = std::string(part.CvtNameText());
    cells[kDetailPinCheck] = check.Text();
    cells[kDetailLastPin] = part.Pins.empty() ? text::Sj("無し") : std::to_string(check.LastPin);
    return cells;
}

void ShowEditedPart(const model::TPartRec& part, view::ListView& viewA, view::ListView& viewB,
                    PartLookups& lookups) {
    if (part.RowA >= 0) {
        std::vector<std::string> cells = RowTextsA(part, lookups);
        cells[kSummaryNote] = std::string(part.NoteText());
        for (int column :
             {kSummaryName, kSummaryAmount, kSummaryMaker, kSummaryGroup, kSummaryNote}) {
            viewA.SetCellText(part.RowA, column, cells[static_cast<std::size_t>(column)]);
        }
    }
    if (part.RowB >= 0) {
        viewB.SetCellText(part.RowB, kDetailSilk, part.SilkName.str());
        viewB.SetCellText(part.RowB, kDetailFootprint, part.FootPrint.str());
        viewB.SetCellText(part.RowB, kDetailName, std::string(part.CvtNameText()));
    }
}

void ShowParts(model::TPartsList& parts, view::ListView& viewA, view::ListView& viewB,
               view::UserInterface& ui, PartLookups& lookups) {
    viewA.BeginUpdate();
    viewB.BeginUpdate();
    viewA.Clear();
    viewB.Clear();
    const PinChecks checks(parts, lookups);
    std::size_t index = 0;
    model::WalkAhead(parts.Items, [&](model::TPartRec& part) {
        const PinCheck check = checks.Of(part, index++);
        part.RowB = viewB.AddRow(RowTextsB(part, check), &part);
        viewB.SetStateImage(part.RowB, StateImageOf(part, check));
        if (part.RefText().empty()) {
            part.RowA = -1;
        } else {
            part.RowA = viewA.AddRow(
                viewA.KeepsTexts() ? RowTextsA(part, lookups) : std::vector<std::string>(), &part);
        }
    });
    viewB.EndUpdate();
    viewA.EndUpdate();
    ui.SetStatusPanel(view::kPartsCountPanel, model::PartsCountText(parts.Items.size()));
    ui.EnableSaveMenu(parts.Count() > 0);
}

void ClearParts(model::TPartsList& parts, view::ListView& viewA, view::ListView& viewB,
                view::UserInterface& ui) {
    parts.Clear();
    viewA.Clear();
    viewB.Clear();
    ui.SetStatusPanel(view::kPartsCountPanel, "");
    ui.EnableSaveMenu(false);
}

}  // namespace partslist
