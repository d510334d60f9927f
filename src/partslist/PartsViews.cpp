#include "partslist/PartsViews.h"

#include "model/CountTexts.h"
#include "model/NetList.h"
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
    return check;
}

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
    return {text::Sj("部品番号"),   text::Sj("部品名"), text::Sj("数量"),
            text::Sj("メーカー名"), text::Sj("種別"),   text::Sj("備考")};
}

std::vector<std::string> PartsViewBColumns() {
    return {text::Sj("部品番号"),       text::Sj("旗"),
            text::Sj("発生数"),         text::Sj("部品シルク"),
            text::Sj("フットプリント"), text::Sj("部品名"),
            text::Sj("空・重複"),       text::Sj("最大Pin")};
}

std::vector<std::string> RowTextsA(const model::TPartRec& part, PartLookups& lookups) {
    return {std::string(part.RefText()),          std::string(part.CvtNameText()),
            std::to_string(part.Amount),          std::string(part.MakerNameText()),
            lookups.GroupName(part.NameCvtIndex), std::string()};
}

std::vector<std::string> RowTextsB(const model::TPartRec& part, const PinCheck& check) {
    return {std::string(part.RefText()),
            FlagText(part),
            std::to_string(part.UnitNo),
            part.SilkName.str(),
            part.FootPrint.str(),
            std::string(part.CvtNameText()),
            check.Text(),
            part.Pins.empty() ? text::Sj("無し") : std::to_string(part.Pins.back()->PinOrder)};
}

void ShowParts(model::TPartsList& parts, view::ListView& viewA, view::ListView& viewB,
               view::UserInterface& ui, PartLookups& lookups) {
    viewA.BeginUpdate();
    viewB.BeginUpdate();
    viewA.Clear();
    viewB.Clear();
    for (const auto& part : parts.Items) {
        PinCheck check = CheckPins(*part, lookups);
        part->RowB = viewB.AddRow(RowTextsB(*part, check), part.get());
        viewB.SetStateImage(part->RowB, StateImageOf(*part, check));
        part->RowA =
            part->RefText().empty() ? -1 : viewA.AddRow(RowTextsA(*part, lookups), part.get());
    }
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
