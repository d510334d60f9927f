// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/KicadNetlist.h"

#include <cstdio>

#include "text/Cp932.h"

namespace output {
namespace {

// A time stamp KiCad can link a footprint to its symbol by, the same for a reference in
// every run (FNV-1a of the reference, written as a UUID).
std::string StampOf(std::string_view reference) {
    std::uint64_t high = 14695981039346656037ull;
    std::uint64_t low = 1099511628211ull;
    for (unsigned char c : reference) {
        high = (high ^ c) * 1099511628211ull;
        low = (low ^ c) * 14695981039346656037ull + 0x9e3779b97f4a7c15ull;
    }
    char text[40];
    std::snprintf(text, sizeof text, "%08x-%04x-%04x-%04x-%012llx",
                  static_cast<unsigned>(high >> 32), static_cast<unsigned>((high >> 16) & 0xffff),
                  static_cast<unsigned>(high & 0xffff), static_cast<unsigned>(low >> 48),
                  static_cast<unsigned long long>(low & 0xffffffffffffull));
    return text;
}

}  // namespace

std::string KicadString(std::string_view cp932) {
    const std::string utf8 = text::Cp932ToUtf8(cp932);
    std::string quoted = "\"";
    for (char c : utf8) {
        switch (c) {
            case '"':
                quoted += "\\\"";
                break;
            case '\\':
                quoted += "\\\\";
                break;
            case '\n':
                quoted += "\\n";
                break;
            case '\r':
                quoted += "\\r";
                break;
            case '\t':
                quoted += "\\t";
                break;
            default:
                quoted += c;
        }
    }
    return quoted + "\"";
}

void WriteKicadNetlist(ByteSink& out, const model::TTitleFields& titles,
                       const model::TPartsList& parts, const model::TNetList& nets,
                       const PinNumberFn& pinNumber, const std::string& tool) {
    out += "(export (version \"E\")\n";
    out += "  (design\n";
    out += "    (date " + KicadString(titles.DesignDate) + ")\n";
    out += "    (tool " + KicadString(tool) + ")\n";
    out += "    (sheet (number \"1\") (name \"/\") (tstamps \"/\")\n";
    out += "      (title_block\n";
    out += "        (title " + KicadString(titles.DesignName) + ")\n";
    out += "        (company \"\")\n";
    out += "        (rev " + KicadString(titles.DesignNumber) + ")\n";
    out += "        (date " + KicadString(titles.DesignDate) + ")\n";
    out += "        (source " + KicadString(titles.Project) + "))))\n";
    out += "  (components";
    for (const auto& part : parts.Items) {
        if (part->Pins.empty()) {
            continue;
        }
        const std::string_view ref = part->RefText();
        out += "\n    (comp (ref " + KicadString(ref) + ")\n";
        out += "      (value " + KicadString(part->CvtNameText()) + ")\n";
        out += "      (footprint " + KicadString(part->FootPrint.str()) + ")\n";
        const std::string_view maker = part->MakerNameText();
        const std::string_view note = part->NoteText();
        if (!maker.empty() || !note.empty()) {
            out += "      (fields";
            if (!maker.empty()) {
                out += " (field (name \"Maker\") " + KicadString(maker) + ")";
            }
            if (!note.empty()) {
                out += " (field (name \"Note\") " + KicadString(note) + ")";
            }
            out += ")\n";
        }
        out += "      (libsource (lib \"vornextract\") (part " + KicadString(part->LibNameText()) +
               ") (description \"\"))\n";
        out += "      (sheetpath (names \"/\") (tstamps \"/\"))\n";
        out += "      (tstamps \"" + StampOf(ref) + "\"))";
    }
    out += ")\n";
    out += "  (nets";
    int code = 0;
    for (const auto& net : nets.Items) {
        out += "\n    (net (code \"" + std::to_string(++code) + "\") (name " +
               KicadString(net->NetName) + ")";
        for (const model::TPinRec* pin : net->Pins) {
            out += "\n      (node (ref " + KicadString(pin->RefText()) + ") (pin " +
                   KicadString(pinNumber(*pin)) + "))";
        }
        out += ")";
    }
    out += "))\n";
    out.Flush();
}

std::string KicadNetlistBytes(const model::TTitleFields& titles, const model::TPartsList& parts,
                              const model::TNetList& nets, const PinNumberFn& pinNumber,
                              const std::string& tool) {
    ByteSink out;
    WriteKicadNetlist(out, titles, parts, nets, pinNumber, tool);
    return out.Take();
}

}  // namespace output
