// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/NetlistFiles.h"

#include <charconv>

#include "model/WalkAhead.h"
#include "output/VisibleText.h"

namespace output {
namespace {

constexpr const char* kCrLf = "\r\n";

// The written parts' reference, footprint and silk name, as the file may hold them.
template <typename Fn>
void ForEachPartWithPins(const model::TPartsList& parts, ReplacedTexts* replaced, Fn fn) {
    model::WalkAhead(parts.Items, [&](const model::TPartRec& part) {
        if (part.Pins.empty()) {
            return;
        }
        const std::string_view ref = part.RefText();
        auto visible = [&](std::string_view text) {
            return Visible(text, replaced, ReplacedTexts::Kind::Part, ref);
        };
        fn(visible(ref), visible(part.FootPrint.View()), visible(part.SilkName.View()));
    });
}

// Calls fn with each net, in list order.
template <typename Fn>
void ForEachNet(const model::TNetList& nets, Fn fn) {
    model::WalkAhead(
        nets.Items, [](const model::TNetRec& net) -> const model::TPinList& { return net.Pins; },
        fn);
}

void AppendNetText(ByteSink& out, const model::TNetRec& net, std::string_view text,
                   ReplacedTexts* replaced) {
    AppendVisible(out, text, replaced, ReplacedTexts::Kind::Net, net.NetName);
}

}  // namespace

void WriteSimpleNet(ByteSink& out, const model::TPartsList& parts, const model::TNetList& nets,
                    const PinNameFn& pinName, ReplacedTexts* replaced) {
    out += "[PARTS]";
    out += kCrLf;
    ForEachPartWithPins(
        parts, replaced,
        [&](const std::string& ref, const std::string& foot, const std::string& silk) {
            out += ref;
            out += '=';
            out += foot;
            if (!silk.empty()) {
                out += ',';
                out += silk;
            }
            out += kCrLf;
        });
    out += "[NETS]";
    out += kCrLf;
    ForEachNet(nets, [&](const model::TNetRec& net) {
        AppendNetText(out, net, net.NetName, replaced);
        for (std::size_t j = 0; j < net.Pins.size(); ++j) {
            if (j == 0) {
                out += '=';
            } else if (j % kSimpleNetPinsPerLine == 0) {
                out += kCrLf;
                out += '\t';
            } else {
                out += ',';
            }
            AppendNetText(out, net, pinName(net, static_cast<int>(j)), replaced);
        }
        out += kCrLf;
    });
    out.Flush();
}

void WriteProtelNet(ByteSink& out, const model::TPartsList& parts, const model::TNetList& nets,
                    ReplacedTexts* replaced) {
    ForEachPartWithPins(
        parts, replaced,
        [&](const std::string& ref, const std::string& foot, const std::string& silk) {
            // Reference, footprint, silk name, three empty lines.
            for (std::string_view line :
                 {std::string_view("["), std::string_view(ref), std::string_view(foot),
                  std::string_view(silk), std::string_view(), std::string_view(),
                  std::string_view(), std::string_view("]")}) {
                out += line;
                out += kCrLf;
            }
        });
    ForEachNet(nets, [&](const model::TNetRec& net) {
        out += '(';
        out += kCrLf;
        AppendNetText(out, net, net.NetName, replaced);
        out += kCrLf;
        for (const model::TPinRec* pin : net.Pins) {
            AppendNetText(out, net, pin->RefText(), replaced);
            char number[16];
            number[0] = '-';
            const auto end = std::to_chars(number + 1, number + sizeof number, pin->PinOrder).ptr;
            out += std::string_view(number, static_cast<std::size_t>(end - number));
            out += kCrLf;
        }
        out += ')';
        out += kCrLf;
    });
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
