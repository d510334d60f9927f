// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/NetlistFiles.h"

#include "output/VisibleText.h"

namespace output {
namespace {

constexpr const char* kCrLf = "\r\n";

// The written parts' reference, footprint and silk name, as the file may hold them.
template <typename Fn>
void ForEachPartWithPins(const model::TPartsList& parts, ReplacedTexts* replaced, Fn fn) {
    for (const auto& part : parts.Items) {
        if (!part->Pins.empty()) {
            const std::string ref(part->RefText());
            auto visible = [&](std::string_view text) {
                return Visible(text, replaced, ReplacedTexts::Kind::Part, ref);
            };
            fn(visible(ref), visible(part->FootPrint.str()), visible(part->SilkName.str()));
        }
    }
}

void AppendNetText(ByteSink& out, const model::TNetRec& net, std::string_view text,
                   ReplacedTexts* replaced) {
    AppendVisible(out, text, replaced, ReplacedTexts::Kind::Net, net.NetName);
}

}  // namespace

void WriteSimpleNet(ByteSink& out, const model::TPartsList& parts, const model::TNetList& nets,
                    const PinNameFn& pinName, ReplacedTexts* replaced) {
    out += std::string("[PARTS]") + kCrLf;
    ForEachPartWithPins(
        parts, replaced,
        [&](const std::string& ref, const std::string& foot, const std::string& silk) {
            out += ref + "=" + foot + (silk.empty() ? "" : "," + silk) + kCrLf;
        });
    out += std::string("[NETS]") + kCrLf;
    for (const auto& net : nets.Items) {
        AppendNetText(out, *net, net->NetName, replaced);
        for (std::size_t j = 0; j < net->Pins.size(); ++j) {
            if (j == 0) {
                out += "=";
            } else if (j % kSimpleNetPinsPerLine == 0) {
                out += std::string(kCrLf) + "\t";
            } else {
                out += ",";
            }
            AppendNetText(out, *net, pinName(*net, static_cast<int>(j)), replaced);
        }
        out += kCrLf;
    }
    out.Flush();
}

void WriteProtelNet(ByteSink& out, const model::TPartsList& parts, const model::TNetList& nets,
                    ReplacedTexts* replaced) {
    ForEachPartWithPins(
        parts, replaced,
        [&](const std::string& ref, const std::string& foot, const std::string& silk) {
            out += std::string("[") + kCrLf + ref + kCrLf + foot + kCrLf + silk + kCrLf + kCrLf +
                   kCrLf + kCrLf + "]" + kCrLf;
        });
    for (const auto& net : nets.Items) {
        out += std::string("(") + kCrLf;
        AppendNetText(out, *net, net->NetName, replaced);
        out += kCrLf;
        for (const model::TPinRec* pin : net->Pins) {
            AppendNetText(out, *net, pin->RefText(), replaced);
            out += '-';
            out += std::to_string(pin->PinOrder);
            out += kCrLf;
        }
        out += std::string(")") + kCrLf;
    }
    out.Flush();
}

std::string SimpleNetBytes(const model::TPartsList& parts, const model::TNetList& nets,
                           const PinNameFn& pinName) {
    ByteSink out;
    WriteSimpleNet(out, parts, nets, pinName);
    return out.Take();
}

std::string ProtelNetBytes(const model::TPartsList& parts, const model::TNetList& nets) {
    ByteSink out;
    WriteProtelNet(out, parts, nets);
    return out.Take();
}

}  // namespace output
