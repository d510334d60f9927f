// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/TextEncoding.h"

#include "text/Compare.h"
#include "text/Cp932.h"

namespace output {

std::optional<TextEncoding> EncodingNamed(std::string_view name) {
    for (TextEncoding encoding :
         {TextEncoding::Utf8, TextEncoding::Utf8WithBom, TextEncoding::Cp932}) {
        if (text::EqualAsciiNoCase(name, EncodingName(encoding))) {
            return encoding;
        }
    }
    return std::nullopt;
}

const char* EncodingName(TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf8WithBom:
            return "utf-8-bom";
        case TextEncoding::Cp932:
            return "cp932";
        case TextEncoding::Utf8:
            break;
    }
    return "utf-8";
}

std::string Encoded(std::string_view cp932, TextEncoding encoding) {
    return encoding == TextEncoding::Cp932 ? std::string(cp932) : text::Cp932ToUtf8(cp932);
}

std::string_view FileStart(TextEncoding encoding) {
    return encoding == TextEncoding::Utf8WithBom ? std::string_view("\xEF\xBB\xBF")
                                                 : std::string_view();
}

}  // namespace output
