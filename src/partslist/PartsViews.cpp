#include "partslist/PartsViews.h"

#include "model/NetList.h"
#include "text/Cp932.h"
#include "text/Sjis.h"

namespace partslist {
namespace {

std::string Sj(const char* utf8) {
    return text::Utf8ToCp932(utf8);
}

// The list without its leading comma, cut to the column's limit at a whole character.
std::string ShownList(const std::string& list) {
    std::string_view body = std::string_view(list).substr(list.empty() ? 0 : 1);
    return text::FitField(body, kPinCheckTextLimit + 1);
}

}  // namespace

std::string PinCheck::Text() const {
    if (!Duplicates.empty()) {
        return Sj("重") + ShownList(Duplicates);
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
        flag += Sj("異");
    }
    if (part.UnitNo >= 2) {
        flag += Sj("多");
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
    return {Sj("部品番号"), Sj("部品名"), Sj("数量"), Sj("メーカー名"), Sj("種別"), Sj("備考")};
}

std::vector<std::string> PartsViewBColumns() {
    return {Sj("部品番号"),       Sj("旗"),     Sj("発生数"),   Sj("部品シルク"),
            Sj("フットプリント"), Sj("部品名"), Sj("空・重複"), Sj("最大Pin")};
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
            part.Pins.empty() ? Sj("無し") : std::to_string(part.Pins.back()->PinOrder)};
}

std::string PartsCountText(const model::TPartsList& parts) {
    return Sj("部品数：") + std::to_string(parts.Count());
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
    ui.SetStatusPanel(0, PartsCountText(parts));
    ui.EnableSaveMenu(parts.Count() > 0);
}

void ClearParts(model::TPartsList& parts, view::ListView& viewA, view::ListView& viewB,
                view::UserInterface& ui) {
    parts.Clear();
    viewA.Clear();
    viewB.Clear();
    ui.SetStatusPanel(0, "");
    ui.EnableSaveMenu(false);
}

}  // namespace partslist
