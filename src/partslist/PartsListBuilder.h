// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "model/Ce2Records.h"
#include "model/LargeBlocks.h"
#include "model/PartsList.h"
#include "partslist/PartLookups.h"

namespace partslist {

// Places the pins of `unit`'s symbol into `head`'s pin list (the unit is its own head
// when it starts a new physical part).
using PlacePinsFn = std::function<void(model::TPartRec& head, model::TPartRec& unit)>;

// The CR kinds: reference prefixes whose silk name follows the silk option.
constexpr const char* kCrKinds = "R,C,VR,L,D,Q,TR,TP,J";

// Makes the part from its file record, converts its name, looks up its maker, and files it
// into the sorted list or chains it to the earlier unit of the same physical part.
model::TPartRec* AddPart(model::TPartsList& parts, const model::CCe2Part& record,
                         PartLookups& lookups, const PlacePinsFn& placePins);

namespace indexed {

// AddPart for a whole drawing at a time. The heads are found through a hash of their
// references, each leading to the few heads of that reference sorted by name, instead of
// by a walk; a new head waits at the end of the list until Finish puts the list in order,
// and a unit is chained at its part's remembered last unit. A drawing whose parts come in
// any order, or with thousands of power symbols of one name, is filed in about n log n
// steps instead of n squared. The list, its units and its NameConflict marks end exactly
// as AddPart leaves them. Between the first Add and Finish the list is out of order:
// nothing may read it by position then.
class PartsFiling {
  public:
    explicit PartsFiling(model::TPartsList& parts);
    PartsFiling(const PartsFiling&) = delete;
    PartsFiling& operator=(const PartsFiling&) = delete;

    model::TPartRec* Add(const model::CCe2Part& record, PartLookups& lookups,
                         const PlacePinsFn& placePins);
    // Lays the list out in order; further Adds may follow.
    void Finish();

  private:
    // A reference as two words, so that comparing them orders the prefix bytes and then the
    // number: the whole prefix packed big-endian and NUL-padded (a reference holds at most
    // 11 bytes), its last three bytes above the reference number in the second word. The
    // number has at most 11 digits, which fit the word's low 40 bits.
    struct RefKey {
        std::uint64_t Prefix = 0;
        std::uint64_t TailAndNumber = 0;
        friend auto operator<=>(const RefKey&, const RefKey&) = default;
        std::size_t Hash() const;
    };
    struct Head {
        model::TPartRec* Part = nullptr;
        model::TPartRec* LastUnit = nullptr;
    };
    // The heads of one reference, sorted by converted name. A reference has nearly always
    // one head, kept in the group; a vector of its own is made once a second comes.
    struct Group {
        RefKey Ref;
        Head First;  // Part null while the group is empty
        std::unique_ptr<std::vector<Head>> Many;

        Head* begin() { return Many ? Many->data() : &First; }
        Head* end() { return Many ? Many->data() + Many->size() : &First + (First.Part ? 1 : 0); }
        const Head* begin() const { return const_cast<Group*>(this)->begin(); }
        const Head* end() const { return const_cast<Group*>(this)->end(); }
        void Insert(const Head* at, Head head);
    };

    static RefKey RefOf(const model::TPartRec& part);
    Group& GroupOf(RefKey ref);
    void Grow();
    void Index(model::TPartRec& head);

    model::TPartsList& parts_;
    std::vector<Group, model::LargeAllocator<Group>> groups_;
    // open addressing: group index + 1, or 0 when free
    std::vector<std::uint32_t, model::LargeAllocator<std::uint32_t>> slots_;
    std::size_t sorted_ = 0;  // the list's leading items that are in order
};

}  // namespace indexed

// The footprint, silk name and SilkSet of one part from its converted name.
// `crSilkType`: 0 empty, 1 drawing name, 2 converted name.
void SetFootprintAndSilk(model::TPartRec& part, int crSilkType, PartLookups& lookups);

// After a load: drops pins that formed no net, sorts each part's pins, and sets footprint
// and silk name.
void FinishParts(model::TPartsList& parts, int crSilkType, PartLookups& lookups);

}  // namespace partslist
