// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/VisibleText.h"

#include <algorithm>
#include <utility>

#include "text/Cp932.h"

namespace output {
namespace {

bool IsControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

std::string Replaced(std::string_view text) {
    std::string visible(text);
    std::replace_if(visible.begin(), visible.end(), IsControl, kControlReplacement);
    return visible;
}

}  // namespace

void ReplacedTexts::Note(Kind kind, std::string_view name) {
    std::string shown = Replaced(name);
    if (!named_.emplace(kind, shown).second) {
        return;
    }
    const char* what = kind == Kind::Part ? "部品 " : kind == Kind::Net ? "ネット " : "表題 ";
    new_.push_back(text::Utf8ToCp932(what) + shown +
                   text::Utf8ToCp932(" の文字列の制御文字を \"?\" に置き換えて出力しました"));
}

std::vector<std::string> ReplacedTexts::TakeNew() {
    return std::exchange(new_, {});
}

bool HasControlBytes(std::string_view text) {
    return std::any_of(text.begin(), text.end(), IsControl);
}

std::string Visible(std::string_view text, ReplacedTexts* report, ReplacedTexts::Kind kind,
                    std::string_view subject) {
    if (!HasControlBytes(text)) {
        return std::string(text);
    }
    if (report) {
        report->Note(kind, subject);
    }
    return Replaced(text);
}

}  // namespace output
