// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The encodings of the files meant for spreadsheets, upload forms and scripts (the
// specified files stay CP932).
namespace output {

enum class TextEncoding { Utf8, Utf8WithBom, Cp932 };

// "utf-8", "utf-8-bom", "cp932" (letter case ignored); none for another name.
std::optional<TextEncoding> EncodingNamed(std::string_view name);
const char* EncodingName(TextEncoding encoding);

// CP932 text in the encoding.
std::string Encoded(std::string_view cp932, TextEncoding encoding);
// What the file starts with: the byte order mark of utf-8-bom, else nothing.
std::string_view FileStart(TextEncoding encoding);

}  // namespace output
