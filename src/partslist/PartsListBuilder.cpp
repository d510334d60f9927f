// SPDX-License-Identifier: GPL-3.0-or-later
#include "partslist/PartsListBuilder.h"

#include <algorithm>
#include <memory>

#include "model/NetList.h"
#include "model/OwnedList.h"
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

model::TPartRec* LastUnit(model::TPartRec& head) {
    model::TPartRec* last = &head;
    while (last->NextUnit) {
        last = last->NextUnit.get();
    }
    return last;
}

// Appends `unit` after `last`, the end of `head`'s chain; returns the new end.
model::TPartRec* ChainUnit(model::TPartRec& head, model::TPartRec& last,
                           std::unique_ptr<model::TPartRec> unit) {
    ++head.UnitNo;
    unit->UnitNo = head.UnitNo;
    last.NextUnit = std::move(unit);
    return last.NextUnit.get();
}

bool IsCrKind(std::string_view prefix) {
    return std::string_view(kCrKinds).find(prefix) != std::string_view::npos;
}

}  // namespace

void SetFootprintAndSilk(model::TPartRec& part, int crSilkType, PartLookups& lookups) {
    std::optional<PartLookups::Footprint> foot = lookups.FindFoot(part.CvtNameText());
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
        ChainUnit(*place.SamePart, *LastUnit(*place.SamePart), std::move(added));
    } else {
        placePins(*added, *added);
        parts.Items.insert(parts.Items.begin() + static_cast<std::ptrdiff_t>(place.Index),
                           std::move(added));
    }
    return result;
}

indexed::PartsFiling::RefKey indexed::PartsFiling::RefOf(const model::TPartRec& part) {
    static_assert(sizeof model::CCe2Part::Ref <= 11, "a reference fits the key");
    constexpr int kNumberBits = 40;
    static_assert(99'999'999'999 < std::int64_t{1} << kNumberBits);
    RefKey key;
    const std::string_view prefix = part.RefPrefixText();
    auto byteAt = [&prefix](std::size_t i) -> unsigned char {
        return i < prefix.size() ? static_cast<unsigned char>(prefix[i]) : 0;
    };
    for (std::size_t i = 0; i < 8; ++i) {
        key.Prefix = key.Prefix << 8 | byteAt(i);
    }
    for (std::size_t i = 8; i < 11; ++i) {
        key.TailAndNumber = key.TailAndNumber << 8 | byteAt(i);
    }
    key.TailAndNumber =
        key.TailAndNumber << kNumberBits | static_cast<std::uint64_t>(part.RefNumber);
    return key;
}

std::size_t indexed::PartsFiling::RefKey::Hash() const {
    std::uint64_t h = Prefix * 0x9E3779B97F4A7C15ULL ^ TailAndNumber;
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9ULL;
    return static_cast<std::size_t>(h ^ (h >> 32));
}

namespace {

bool NameBefore(const model::TPartRec* part, std::string_view name) {
    return text::CompareBytes(part->CvtNameText(), name) < 0;
}

}  // namespace

void indexed::PartsFiling::Grow() {
    slots_.assign(std::max<std::size_t>(64, slots_.size() * 2), 0);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t g = 0; g < groups_.size(); ++g) {
        std::size_t at = groups_[g].Ref.Hash() & mask;
        while (slots_[at] != 0) {
            at = (at + 1) & mask;
        }
        slots_[at] = static_cast<std::uint32_t>(g + 1);
    }
}

indexed::PartsFiling::Group& indexed::PartsFiling::GroupOf(RefKey ref) {
    if (2 * (groups_.size() + 1) > slots_.size()) {
        Grow();
    }
    const std::size_t mask = slots_.size() - 1;
    std::size_t at = ref.Hash() & mask;
    for (; slots_[at] != 0; at = (at + 1) & mask) {
        Group& group = groups_[slots_[at] - 1];
        if (group.Ref == ref) {
            return group;
        }
    }
    groups_.push_back({ref, {}, nullptr});
    slots_[at] = static_cast<std::uint32_t>(groups_.size());
    return groups_.back();
}

void indexed::PartsFiling::Group::Insert(const Head* at, Head head) {
    const std::size_t index = static_cast<std::size_t>(at - begin());
    if (!Many && !First.Part) {
        First = head;
        return;
    }
    if (!Many) {
        Many = std::make_unique<std::vector<Head>>(1, First);
    }
    Many->insert(Many->begin() + static_cast<std::ptrdiff_t>(index), head);
}

void indexed::PartsFiling::Index(model::TPartRec& head) {
    Group& heads = GroupOf(RefOf(head));
    const Head* at = std::upper_bound(
        heads.begin(), heads.end(), head.CvtNameText(),
        [](std::string_view name, const Head& h) { return !NameBefore(h.Part, name); });
    heads.Insert(at, Head{&head, LastUnit(head)});
}

indexed::PartsFiling::PartsFiling(model::TPartsList& parts)
    : parts_(parts), sorted_(parts.Items.size()) {
    for (const auto& part : parts.Items) {
        Index(*part);
    }
}

// What the walk from the start of the list does, done within the heads of the added
// part's reference: the head of the same name becomes its part, or the walk's
// NameConflict marks are set. The walk marks the records of the same reference it passes or
// stops at when their name differs; those passed are the ones with a smaller name.
model::TPartRec* indexed::PartsFiling::Add(const model::CCe2Part& record, PartLookups& lookups,
                                           const PlacePinsFn& placePins) {
    std::unique_ptr<model::TPartRec> added = MakePart(record, lookups);
    model::TPartRec& part = *added;
    Group& heads = GroupOf(RefOf(part));
    const std::string_view name = part.CvtNameText();
    Head* const stop =
        std::lower_bound(heads.begin(), heads.end(), name,
                         [](const Head& h, std::string_view n) { return NameBefore(h.Part, n); });
    const bool stopsOnSameRef = stop != heads.end();
    const bool stopsOnSameName =
        stopsOnSameRef && text::CompareBytes(stop->Part->CvtNameText(), name) == 0;
    if (part.HasRef() && !(stop == heads.begin() && (!stopsOnSameRef || stopsOnSameName))) {
        part.NameConflict = 1;
        if (stopsOnSameRef && !stopsOnSameName) {
            stop->Part->NameConflict = 1;
        }
        // Every record of a reference gets its mark from the first differing name filed
        // after it, so the marked ones of a reference lead it; the walk back can stop at the
        // first marked one. References without a digit and without text (prefix empty,
        // number 0) mix marking and unmarking records, so those are walked whole.
        const bool mixed = part.RefPrefixText().empty() && part.RefNumber == 0;
        for (auto at = stop; at != heads.begin();) {
            --at;
            if (at->Part->NameConflict && !mixed) {
                break;
            }
            at->Part->NameConflict = 1;
        }
    }
    if (stopsOnSameName) {
        placePins(*stop->Part, part);
        stop->LastUnit = ChainUnit(*stop->Part, *stop->LastUnit, std::move(added));
    } else {
        placePins(part, part);
        heads.Insert(stop, Head{&part, &part});
        parts_.Items.push_back(std::move(added));
    }
    return &part;
}

// The groups hold every head of the list, so the list is laid out anew from them in the
// order of their references.
void indexed::PartsFiling::Finish() {
    auto& items = parts_.Items;
    if (sorted_ == items.size()) {
        return;
    }
    std::vector<std::uint32_t> order(groups_.size());
    for (std::size_t g = 0; g < order.size(); ++g) {
        order[g] = static_cast<std::uint32_t>(g);
    }
    std::sort(order.begin(), order.end(),
              [this](std::uint32_t a, std::uint32_t b) { return groups_[a].Ref < groups_[b].Ref; });
    model::ReorderOwned(items, [this, &order](auto take) {
        for (std::uint32_t g : order) {
            for (const Head& head : groups_[g]) {
                take(head.Part);
            }
        }
    });
    sorted_ = items.size();
}

void FinishParts(model::TPartsList& parts, int crSilkType, PartLookups& lookups) {
    for (std::size_t place : parts.PlaceOrder()) {
        model::TPartRec* part = parts.Items[place].get();
        auto& pins = part->Pins;
        pins.erase(std::remove_if(pins.begin(), pins.end(),
                                  [](const auto& pin) { return pin->Net == nullptr; }),
                   pins.end());
        auto byOrder = [](const auto& a, const auto& b) { return a->PinOrder < b->PinOrder; };
        // Nearly always in order already; a stable sort takes a buffer from the heap.
        if (!std::is_sorted(pins.begin(), pins.end(), byOrder)) {
            std::stable_sort(pins.begin(), pins.end(), byOrder);
        }
        SetFootprintAndSilk(*part, crSilkType, lookups);
    }
}

}  // namespace partslist
