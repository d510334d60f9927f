// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/WireList.h"

// The three shapes of a wire; a zero-length wire (a pin stub) is vertical and horizontal.
namespace netlist {

inline bool IsVertical(const model::TWireRec& w) {
    return w.X1 == w.X2;
}
inline bool IsHorizontal(const model::TWireRec& w) {
    return w.Y1 == w.Y2;
}
inline bool IsZeroLength(const model::TWireRec& w) {
    return IsVertical(w) && IsHorizontal(w);
}

}  // namespace netlist
