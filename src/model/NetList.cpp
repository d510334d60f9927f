// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/NetList.h"

#include "model/RecordPool.h"

namespace model {

void* TNetRec::operator new(std::size_t size) {
    return size == sizeof(TNetRec) ? PoolOf<TNetRec>().Take() : ::operator new(size);
}
void TNetRec::operator delete(void* net, std::size_t size) noexcept {
    size == sizeof(TNetRec) ? PoolOf<TNetRec>().Give(net) : ::operator delete(net);
}

}  // namespace model
