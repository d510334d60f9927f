#pragma once

#include <functional>
#include <set>

#include "model/Ce2Records.h"
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

// AddPart for a whole drawing at a time: the place is found in an ordered index of the
// list's heads instead of by a walk, and a new head waits at the end of the list until
// Finish puts the list in order, so a drawing whose parts come in any order is filed in
// n log n instead of n squared steps. The list, its units and its NameConflict marks end
// exactly as AddPart leaves them. Between the first Add and Finish the list is out of
// order: nothing may read it by position then.
class PartsFiling {
  public:
    explicit PartsFiling(model::TPartsList& parts);
    PartsFiling(const PartsFiling&) = delete;
    PartsFiling& operator=(const PartsFiling&) = delete;

    model::TPartRec* Add(const model::CCe2Part& record, PartLookups& lookups,
                         const PlacePinsFn& placePins);
    // Sorts the waiting heads into the list; further Adds may follow.
    void Finish();

  private:
    struct RefOf {
        const model::TPartRec* Part;
    };
    // The order of the list, and a reference alone against it.
    struct KeyLess {
        using is_transparent = void;
        bool operator()(const model::TPartRec* a, const model::TPartRec* b) const;
        bool operator()(const model::TPartRec* a, RefOf b) const;
        bool operator()(RefOf a, const model::TPartRec* b) const;
    };
    using HeadIndex = std::set<model::TPartRec*, KeyLess>;

    model::TPartRec* SamePartOrMark(model::TPartRec& added, HeadIndex::iterator& stop);

    model::TPartsList& parts_;
    HeadIndex heads_;
    std::size_t sorted_ = 0;  // the list's leading items that are in order
};

}  // namespace indexed

// After a load: drops pins that formed no net, sorts each part's pins, and sets footprint
// and silk name. `crSilkType`: 0 empty, 1 drawing name, 2 converted name.
// The footprint, silk name and SilkSet of one part from its converted name.
void SetFootprintAndSilk(model::TPartRec& part, int crSilkType, PartLookups& lookups);

void FinishParts(model::TPartsList& parts, int crSilkType, PartLookups& lookups);

}  // namespace partslist
