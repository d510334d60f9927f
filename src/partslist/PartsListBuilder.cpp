#include "partslist/PartsListBuilder.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "model/NetList.h"
#include "text/Compare.h"
#include "text/Sjis.h"

namespace partslist {
namespace {

// Where the new record goes: the index to insert at, or the record it is a unit of.
struct Place {
    std::size_t Index = 0;
    model::TPartRec* SamePart = nullptr;
};

// The list is kept in reference order (prefix bytes, then number), so the records of
// lower references are passed by a binary search, and only those of the added record's
// own reference are walked; a drawing of many parts then files in n log n.
Place FindPlace(model::TPartsList& parts, model::TPartRec& added) {
    auto lowerReference = [&](const std::unique_ptr<model::TPartRec>& p) {
        int prefix = text::CompareBytes(p->RefPrefixText(), added.RefPrefixText());
        return prefix < 0 || (prefix == 0 && p->RefNumber < added.RefNumber);
    };
    Place place;
    place.Index = static_cast<std::size_t>(
        std::partition_point(parts.Items.begin(), parts.Items.end(), lowerReference) -
        parts.Items.begin());
    for (; place.Index < parts.Items.size(); ++place.Index) {
        model::TPartRec& p = *parts.Items[place.Index];
        int prefix = text::CompareBytes(p.RefPrefixText(), added.RefPrefixText());
        if (prefix != 0) {
            if (prefix < 0) {
                continue;
            }
            break;
        }
        if (p.RefNumber != added.RefNumber) {
            if (p.RefNumber < added.RefNumber) {
                continue;
            }
            break;
        }
        int name = text::CompareBytes(p.CvtNameText(), added.CvtNameText());
        if (name != 0 && added.HasRef()) {
            p.NameConflict = 1;
            added.NameConflict = 1;
        }
        if (name < 0) {
            continue;
        }
        if (name == 0) {
            place.SamePart = &p;
        }
        break;
    }
    return place;
}

void ChainUnit(model::TPartRec& head, std::unique_ptr<model::TPartRec> unit) {
    ++head.UnitNo;
    unit->UnitNo = head.UnitNo;
    model::TPartRec* last = &head;
    while (last->NextUnit) {
        last = last->NextUnit.get();
    }
    last->NextUnit = std::move(unit);
}

bool IsCrKind(std::string_view prefix) {
    return std::string_view(kCrKinds).find(prefix) != std::string_view::npos;
}

void SetFootprintAndSilk(model::TPartRec& part, int crSilkType, PartLookups& lookups) {
    std::optional<PartLookups::Footprint> foot = lookups.FindFoot(part.CvtNameText());
    part.FootKey = foot ? foot->FootKey : std::string();
    part.FootPrint = foot ? foot->FootPrint : std::string();
    part.SilkName = foot ? foot->SilkName : std::string();
    part.SilkSet = 0;
    if (!part.SilkName.empty() || part.Pins.empty()) {
        return;
    }
    if (part.Pins.size() == 1) {
        part.SilkName = part.Pins.front()->Net->NetName;  // a test point shows its net
    } else if (!IsCrKind(part.RefPrefixText())) {
        part.SilkName = part.CvtNameText();
    } else if (crSilkType == 1) {
        part.SilkName = part.PartNameText();
    } else if (crSilkType == 2) {
        part.SilkName = part.CvtNameText();
    } else {
        return;
    }
    part.SilkSet = 1;
}

}  // namespace

model::TPartRec* AddPart(model::TPartsList& parts, const model::CCe2Part& record,
                         PartLookups& lookups, const PlacePinsFn& placePins) {
    auto added = std::make_unique<model::TPartRec>(record);
    if (std::optional<PartLookups::NameConversion> converted =
            lookups.ConvertName(added->CvtNameText())) {
        text::CopyToField(added->CvtName, converted->CvtName);
        added->NameCvtIndex = converted->GroupIndex;
    }
    std::optional<std::string> maker = lookups.FindMaker(added->CvtNameText());
    text::CopyToField(added->MakerName, maker ? *maker : std::string());

    Place place = FindPlace(parts, *added);
    model::TPartRec* result = added.get();
    if (place.SamePart) {
        placePins(*place.SamePart, *added);
        ChainUnit(*place.SamePart, std::move(added));
    } else {
        placePins(*added, *added);
        parts.Items.insert(parts.Items.begin() + static_cast<std::ptrdiff_t>(place.Index),
                           std::move(added));
    }
    return result;
}

void FinishParts(model::TPartsList& parts, int crSilkType, PartLookups& lookups) {
    for (const auto& part : parts.Items) {
        auto& pins = part->Pins;
        pins.erase(std::remove_if(pins.begin(), pins.end(),
                                  [](const auto& pin) { return pin->Net == nullptr; }),
                   pins.end());
        std::stable_sort(pins.begin(), pins.end(),
                         [](const auto& a, const auto& b) { return a->PinOrder < b->PinOrder; });
        SetFootprintAndSilk(*part, crSilkType, lookups);
    }
}

}  // namespace partslist
