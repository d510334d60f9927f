// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

// Texts of the drawings and the tables go into line-based files. A control byte among them
// (a CR/LF inside a damaged or hand-made reference or label) would add lines and sections
// such as "[X]" that a layout tool then reads as real, so each is written as "?" instead,
// and the part or net it belongs to is named in a warning.
namespace output {

constexpr char kControlReplacement = '?';

// The parts and nets whose texts had control bytes replaced, each named once however many
// files and fields it was written to.
class ReplacedTexts {
  public:
    enum class Kind { Part, Net, Title };

    void Note(Kind kind, std::string_view name);
    // The warnings noted since the last call (CP932), each once.
    std::vector<std::string> TakeNew();

  private:
    std::set<std::pair<Kind, std::string>> named_;
    std::vector<std::string> new_;
};

bool HasControlBytes(std::string_view text);

// The text with each control byte (below 0x20, and 0x7F) as kControlReplacement; CP932
// trail bytes are never control bytes, so no character is split. When a byte was replaced
// and `report` is given, `subject` (the part's reference or the net's name) is noted.
std::string Visible(std::string_view text, ReplacedTexts* report, ReplacedTexts::Kind kind,
                    std::string_view subject);

// Appends the text as Visible makes it, without a copy when it holds no control byte (the
// pins of a large drawing's nets are written this way).
template <class Sink>
void AppendVisible(Sink& out, std::string_view text, ReplacedTexts* report,
                   ReplacedTexts::Kind kind, std::string_view subject) {
    if (HasControlBytes(text)) {
        out += Visible(text, report, kind, subject);
    } else {
        out += text;
    }
}

}  // namespace output
