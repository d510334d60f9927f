// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/Compare.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>
#include <string>

#include "text/Cp932.h"
#include "text/Sjis.h"

namespace text {
namespace {

int Sign(int v) {
    return (v > 0) - (v < 0);
}

std::wstring ToFoldedWide(std::string_view cp932) {
    std::string utf8 = Cp932ToUtf8(cp932);
    std::mbstate_t state{};
    std::wstring out;
    const char* p = utf8.data();
    const char* end = p + utf8.size();
    while (p < end) {
        wchar_t wc = 0;
        std::size_t n = std::mbrtowc(&wc, p, static_cast<std::size_t>(end - p), &state);
        if (n == static_cast<std::size_t>(-1) || n == static_cast<std::size_t>(-2)) {
            // The C locale cannot decode UTF-8: fall back to the byte itself.
            wc = static_cast<unsigned char>(*p);
            n = 1;
            state = std::mbstate_t{};
        } else if (n == 0) {
            n = 1;
        }
        out.push_back(static_cast<wchar_t>(std::towupper(static_cast<wint_t>(wc))));
        p += n;
    }
    return out;
}

}  // namespace

int CompareAsciiNoCase(std::string_view a, std::string_view b) {
    std::size_t n = std::min(a.size(), b.size());
    AsciiFolder foldA;
    AsciiFolder foldB;
    for (std::size_t i = 0; i < n; ++i) {
        int d = foldA(static_cast<unsigned char>(a[i])) - foldB(static_cast<unsigned char>(b[i]));
        if (d != 0) {
            return Sign(d);
        }
    }
    return Sign(static_cast<int>(a.size() > b.size()) - static_cast<int>(a.size() < b.size()));
}

int CompareBytes(std::string_view a, std::string_view b) {
    return Sign(a.compare(b));
}

int CompareLocale(std::string_view a, std::string_view b) {
    std::wstring wa = ToFoldedWide(a);
    std::wstring wb = ToFoldedWide(b);
    int r = std::wcscoll(wa.c_str(), wb.c_str());
    return r != 0 ? Sign(r) : Sign(wa.compare(wb));
}

}  // namespace text
