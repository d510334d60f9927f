#include "tables/KeyOrder.h"

namespace tables {
namespace {

int Upper(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') ? u - 'a' + 'A' : u;
}

constexpr std::size_t kMaxCompared = 128;

}  // namespace

int CompareKeys(std::string_view p, std::string_view k) {
    int result = 0;
    std::size_t j = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        char pc = p[i];
        if (j >= k.size()) {
            // K ended: any further non-"?" byte of P puts K first.
            if (pc != '?' && (result == 0 || result == WildcardEqual)) {
                result = -1;
            }
            continue;
        }
        char kc = k[j];
        if (pc == '?') {
            if (kc != '?' && result == 0) {
                result = WildcardEqual;
            }
            ++j;
        } else if (Upper(pc) == Upper(kc)) {
            ++j;
        } else {
            result = (result == 0 && kc == '?') ? 1 : Upper(kc) - Upper(pc);
            return result;
        }
    }
    if ((result == 0 || result == WildcardEqual) && j < k.size()) {
        result = 1;
    }
    return result;
}

bool WildcardMatches(std::string_view key, std::string_view name) {
    for (std::size_t i = 0; i < kMaxCompared; ++i) {
        if (i >= name.size()) {
            return key.substr(i < key.size() ? i : key.size()).find_first_not_of('?') ==
                   std::string_view::npos;
        }
        if (i >= key.size() || (key[i] != '?' && Upper(key[i]) != Upper(name[i]))) {
            return false;
        }
    }
    return true;
}

}  // namespace tables
