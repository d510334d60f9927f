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

// The plain walk from the start of the list: the reference the search below is checked
// against.
Place FindPlace(model::TPartsList& parts, model::TPartRec& added) {
    Place place;
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

// The order of the list: reference prefix, reference number, converted name.
int CompareRef(const model::TPartRec& a, const model::TPartRec& b) {
    if (int prefix = text::CompareBytes(a.RefPrefixText(), b.RefPrefixText()); prefix != 0) {
        return prefix;
    }
    return a.RefNumber < b.RefNumber ? -1 : (a.RefNumber > b.RefNumber ? 1 : 0);
}

// FindPlace by binary search; the list is sorted and holds each key once. The walk marks
// the records of the same reference it passes or stops at when their name differs; those
// passed are the ones of the same reference with a smaller name.
Place SearchPlace(model::TPartsList& parts, model::TPartRec& added) {
    auto& items = parts.Items;
    const auto byRef = [](const std::unique_ptr<model::TPartRec>& p, const model::TPartRec& n) {
        return CompareRef(*p, n) < 0;
    };
    const auto refStart = std::lower_bound(items.begin(), items.end(), added, byRef);
    const auto stop = std::lower_bound(
        refStart, items.end(), added,
        [](const std::unique_ptr<model::TPartRec>& p, const model::TPartRec& n) {
            const int ref = CompareRef(*p, n);
            return ref < 0 ||
                   (ref == 0 && text::CompareBytes(p->CvtNameText(), n.CvtNameText()) < 0);
        });
    Place place;
    place.Index = static_cast<std::size_t>(stop - items.begin());
    const bool stopsOnSameRef = stop != items.end() && CompareRef(**stop, added) == 0;
    const bool stopsOnSameName =
        stopsOnSameRef && text::CompareBytes((*stop)->CvtNameText(), added.CvtNameText()) == 0;
    if (stopsOnSameName) {
        place.SamePart = stop->get();
    }
    if (!added.HasRef() || (stop == refStart && !stopsOnSameRef) ||
        (stop == refStart && stopsOnSameName)) {
        return place;
    }
    added.NameConflict = 1;
    if (stopsOnSameRef && !stopsOnSameName) {
        (*stop)->NameConflict = 1;
    }
    // Every record of a reference gets its mark from the first differing name filed after
    // it, so the marked ones of a reference lead it; the walk back can stop at the first
    // marked one. References without a digit and without text (prefix empty, number 0) mix
    // marking and unmarking records, so those are walked whole.
    const bool mixed = added.RefPrefixText().empty() && added.RefNumber == 0;
    for (auto at = stop; at != refStart;) {
        --at;
        if ((*at)->NameConflict && !mixed) {
            break;
        }
        (*at)->NameConflict = 1;
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

}  // namespace

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

namespace {

using FindPlaceFn = Place (*)(model::TPartsList&, model::TPartRec&);

model::TPartRec* AddPartWith(model::TPartsList& parts, const model::CCe2Part& record,
                             PartLookups& lookups, const PlacePinsFn& placePins,
                             FindPlaceFn findPlace) {
    auto added = std::make_unique<model::TPartRec>(record);
    if (std::optional<PartLookups::NameConversion> converted =
            lookups.ConvertName(added->CvtNameText())) {
        text::CopyToField(added->CvtName, converted->CvtName);
        added->NameCvtIndex = converted->GroupIndex;
    }
    std::optional<std::string> maker = lookups.FindMaker(added->CvtNameText());
    text::CopyToField(added->MakerName, maker ? *maker : std::string());

    Place place = findPlace(parts, *added);
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

}  // namespace

model::TPartRec* AddPart(model::TPartsList& parts, const model::CCe2Part& record,
                         PartLookups& lookups, const PlacePinsFn& placePins) {
    return AddPartWith(parts, record, lookups, placePins, FindPlace);
}

model::TPartRec* indexed::AddPart(model::TPartsList& parts, const model::CCe2Part& record,
                                  PartLookups& lookups, const PlacePinsFn& placePins) {
    return AddPartWith(parts, record, lookups, placePins, SearchPlace);
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
