// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/NetList.h"

#include "model/RecordPool.h"

namespace model {

void* TNetRec::operator new(std::size_t size) {
    return TakeRecord<TNetRec>(size);
}
void TNetRec::operator delete(void* net, std::size_t size) noexcept {
    GiveRecord<TNetRec>(net, size);
}

}  // namespace model
