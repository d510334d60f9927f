// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "model/InlineList.h"

namespace model {

struct TPinRec;

// The pins a part owns, in the order they were placed.
using TOwnedPinList = InlineList<std::unique_ptr<TPinRec>>;

}  // namespace model
