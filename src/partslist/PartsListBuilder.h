#pragma once

#include <functional>

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
// The same, finding the place by binary search instead of walking the list.
model::TPartRec* AddPart(model::TPartsList& parts, const model::CCe2Part& record,
                         PartLookups& lookups, const PlacePinsFn& placePins);
}  // namespace indexed

// After a load: drops pins that formed no net, sorts each part's pins, and sets footprint
// and silk name. `crSilkType`: 0 empty, 1 drawing name, 2 converted name.
// The footprint, silk name and SilkSet of one part from its converted name.
void SetFootprintAndSilk(model::TPartRec& part, int crSilkType, PartLookups& lookups);

void FinishParts(model::TPartsList& parts, int crSilkType, PartLookups& lookups);

}  // namespace partslist
