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

// The new record with its converted name and maker, before it is filed.
std::unique_ptr<model::TPartRec> MakePart(const model::CCe2Part& record, PartLookups& lookups) {
    auto added = std::make_unique<model::TPartRec>(record);
    if (std::optional<PartLookups::NameConversion> converted =
            lookups.ConvertName(added->CvtNameText())) {
        text::CopyToField(added->CvtName, converted->CvtName);
        added->NameCvtIndex = converted->GroupIndex;
    }
    std::optional<std::string> maker = lookups.FindMaker(added->CvtNameText());
    text::CopyToField(added->MakerName, maker ? *maker : std::string());
    return added;
}

}  // namespace

model::TPartRec* AddPart(model::TPartsList& parts, const model::CCe2Part& record,
                         PartLookups& lookups, const PlacePinsFn& placePins) {
    std::unique_ptr<model::TPartRec> added = MakePart(record, lookups);
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

bool indexed::PartsFiling::KeyLess::operator()(const model::TPartRec* a,
                                                const model::TPartRec* b) const {
    const int ref = CompareRef(*a, *b);
    return ref < 0 || (ref == 0 && text::CompareBytes(a->CvtNameText(), b->CvtNameText()) < 0);
}

bool indexed::PartsFiling::KeyLess::operator()(const model::TPartRec* a, RefOf b) const {
    return CompareRef(*a, *b.Part) < 0;
}

bool indexed::PartsFiling::KeyLess::operator()(RefOf a, const model::TPartRec* b) const {
    return CompareRef(*a.Part, *b) < 0;
}

// The list holds each key once and in order, so the index is made with the end as hint.
indexed::PartsFiling::PartsFiling(model::TPartsList& parts)
    : parts_(parts), sorted_(parts.Items.size()) {
    for (const auto& part : parts.Items) {
        heads_.insert(heads_.end(), part.get());
    }
}

// What the walk from the start does, found in the index: the head of the same key, or the
// NameConflict marks of the walk. The walk marks the records of the same reference it passes
// or stops at when their name differs; those passed are the ones of the same reference with a
// smaller name. `stop` becomes the place of the first greater key.
model::TPartRec* indexed::PartsFiling::SamePartOrMark(model::TPartRec& added,
                                                      HeadIndex::iterator& stop) {
    const auto refStart = heads_.lower_bound(RefOf{&added});
    stop = heads_.lower_bound(&added);
    const bool stopsOnSameRef = stop != heads_.end() && CompareRef(**stop, added) == 0;
    const bool stopsOnSameName =
        stopsOnSameRef && text::CompareBytes((*stop)->CvtNameText(), added.CvtNameText()) == 0;
    model::TPartRec* samePart = stopsOnSameName ? *stop : nullptr;
    if (!added.HasRef() || (stop == refStart && !stopsOnSameRef) ||
        (stop == refStart && stopsOnSameName)) {
        return samePart;
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
    return samePart;
}

model::TPartRec* indexed::PartsFiling::Add(const model::CCe2Part& record, PartLookups& lookups,
                                           const PlacePinsFn& placePins) {
    std::unique_ptr<model::TPartRec> added = MakePart(record, lookups);
    HeadIndex::iterator stop;
    model::TPartRec* samePart = SamePartOrMark(*added, stop);
    model::TPartRec* result = added.get();
    if (samePart) {
        placePins(*samePart, *added);
        ChainUnit(*samePart, std::move(added));
    } else {
        placePins(*added, *added);
        heads_.insert(stop, result);
        parts_.Items.push_back(std::move(added));
    }
    return result;
}

void indexed::PartsFiling::Finish() {
    auto& items = parts_.Items;
    if (sorted_ == items.size()) {
        return;
    }
    const auto byKey = [](const std::unique_ptr<model::TPartRec>& a,
                          const std::unique_ptr<model::TPartRec>& b) {
        return KeyLess()(a.get(), b.get());
    };
    const auto middle = items.begin() + static_cast<std::ptrdiff_t>(sorted_);
    std::sort(middle, items.end(), byKey);
    std::inplace_merge(items.begin(), middle, items.end(), byKey);
    sorted_ = items.size();
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
