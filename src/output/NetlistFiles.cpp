#include "output/NetlistFiles.h"

#include "output/VisibleText.h"

namespace output {
namespace {

constexpr const char* kCrLf = "\r\n";

// The written parts' reference, footprint and silk name, as the file may hold them.
template <typename Fn>
void ForEachPartRow(const view::ListView& rows, ReplacedTexts* replaced, Fn fn) {
    for (int row = 0; row < rows.RowCount(); ++row) {
        if (rows.StateImage(row) != kNoPinsImage) {
            const std::string ref = rows.CellText(row, kDetailRefColumn);
            auto visible = [&](const std::string& text) {
                return Visible(text, replaced, ReplacedTexts::Kind::Part, ref);
            };
            fn(visible(ref), visible(rows.CellText(row, kDetailFootprintColumn)),
               visible(rows.CellText(row, kDetailSilkColumn)));
        }
    }
}

void AppendNetText(ByteSink& out, const model::TNetRec& net, std::string_view text,
                   ReplacedTexts* replaced) {
    AppendVisible(out, text, replaced, ReplacedTexts::Kind::Net, net.NetName);
}

}  // namespace

void WriteSimpleNet(ByteSink& out, const view::ListView& detailRows, const model::TNetList& nets,
                    const PinNameFn& pinName, ReplacedTexts* replaced) {
    out += std::string("[PARTS]") + kCrLf;
    ForEachPartRow(detailRows, replaced,
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

void WriteProtelNet(ByteSink& out, const view::ListView& detailRows, const model::TNetList& nets,
                    ReplacedTexts* replaced) {
    ForEachPartRow(detailRows, replaced,
                   [&](const std::string& ref, const std::string& foot, const std::string& silk) {
                       out += std::string("[") + kCrLf + ref + kCrLf + foot + kCrLf + silk + kCrLf +
                              kCrLf + kCrLf + kCrLf + "]" + kCrLf;
                   });
    for (const auto& net : nets.Items) {
        out += std::string("(") + kCrLf;
        AppendNetText(out, *net, net->NetName, replaced);
        out += kCrLf;
        for (const model::TPinRec* pin : net->Pins) {
            AppendNetText(out, *net, pin->RefName.View(), replaced);
            out += '-';
            out += std::to_string(pin->PinOrder);
            out += kCrLf;
        }
        out += std::string(")") + kCrLf;
    }
    out.Flush();
}

std::string SimpleNetBytes(const view::ListView& detailRows, const model::TNetList& nets,
                           const PinNameFn& pinName) {
    ByteSink out;
    WriteSimpleNet(out, detailRows, nets, pinName);
    return out.Take();
}

std::string ProtelNetBytes(const view::ListView& detailRows, const model::TNetList& nets) {
    ByteSink out;
    WriteProtelNet(out, detailRows, nets);
    return out.Take();
}

}  // namespace output
