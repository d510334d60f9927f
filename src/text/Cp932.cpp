// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/Cp932.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace text {
namespace {

// iconv descriptors are not thread-safe; one per thread keeps the editor-wait worker safe.
class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
        }
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as it can; on a bad or unconvertible sequence it writes
    // `replacement`, skips `skip(in)` bytes and goes on.
    template <typename SkipFn>
    std::string Convert(std::string_view in, std::string_view replacement, SkipFn skip,
                        bool* lossy) {
        std::string out;
        out.reserve(in.size() * 3 / 2 + 4);
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        char buffer[1024];
        while (srcLeft > 0) {
            char* dst = buffer;
            size_t dstLeft = sizeof buffer;
            size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<size_t>(dst - buffer));
            if (rc != static_cast<size_t>(-1)) {
                continue;
            }
            if (errno == E2BIG) {
                continue;
            }
            // EILSEQ or EINVAL (a sequence cut at the end): replace and step over it.
            out.append(replacement);
            if (lossy) {
                *lossy = true;
            }
            size_t n = skip(std::string_view(src, srcLeft));
            src += n;
            srcLeft -= n;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

  private:
    iconv_t cd_;
};

size_t SkipCp932Character(std::string_view rest) {
    auto lead = static_cast<unsigned char>(rest[0]);
    bool doubleByte = (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC);
    return (doubleByte && rest.size() >= 2) ? 2 : 1;
}

size_t SkipUtf8Character(std::string_view rest) {
    auto lead = static_cast<unsigned char>(rest[0]);
    size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    // Only step over continuation bytes that are really there.
    size_t n = 1;
    while (n < length && n < rest.size() && (static_cast<unsigned char>(rest[n]) & 0xC0) == 0x80) {
        ++n;
    }
    return n;
}

}  // namespace

std::string Cp932ToUtf8(std::string_view cp932) {
    thread_local Converter converter("UTF-8", "CP932");
    return converter.Convert(cp932, "\xEF\xBF\xBD", SkipCp932Character, nullptr);
}

std::string Utf8ToCp932(std::string_view utf8, bool* lossy) {
    thread_local Converter converter("CP932", "UTF-8");
    return converter.Convert(utf8, "?", SkipUtf8Character, lossy);
}

}  // namespace text
