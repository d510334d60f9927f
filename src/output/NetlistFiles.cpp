#include "output/NetlistFiles.h"

namespace output {
namespace {

constexpr const char* kCrLf = "\r\n";

template <typename Fn>
void ForEachPartRow(const view::ListView& rows, Fn fn) {
    for (int row = 0; row < rows.RowCount(); ++row) {
        if (rows.StateImage(row) != kNoPinsImage) {
            fn(rows.CellText(row, kDetailRefColumn), rows.CellText(row, kDetailFootprintColumn),
               rows.CellText(row, kDetailSilkColumn));
        }
    }
}

}  // namespace

void WriteSimpleNet(ByteSink& out, const view::ListView& detailRows, const model::TNetList& nets,
                    const PinNameFn& pinName) {
    out += std::string("[PARTS]") + kCrLf;
    ForEachPartRow(detailRows,
                   [&](const std::string& ref, const std::string& foot, const std::string& silk) {
                       out += ref + "=" + foot + (silk.empty() ? "" : "," + silk) + kCrLf;
                   });
    out += std::string("[NETS]") + kCrLf;
    for (const auto& net : nets.Items) {
        out += net->NetName;
        for (std::size_t j = 0; j < net->Pins.size(); ++j) {
            if (j == 0) {
                out += "=";
            } else if (j % kSimpleNetPinsPerLine == 0) {
                out += std::string(kCrLf) + "\t";
            } else {
                out += ",";
            }
            out += pinName(*net, static_cast<int>(j));
        }
        out += kCrLf;
    }
    out.Flush();
}

void WriteProtelNet(ByteSink& out, const view::ListView& detailRows, const model::TNetList& nets) {
    ForEachPartRow(detailRows,
                   [&](const std::string& ref, const std::string& foot, const std::string& silk) {
                       out += std::string("[") + kCrLf + ref + kCrLf + foot + kCrLf + silk + kCrLf +
                              kCrLf + kCrLf + kCrLf + "]" + kCrLf;
                   });
    for (const auto& net : nets.Items) {
        out += std::string("(") + kCrLf + net->NetName + kCrLf;
        for (const model::TPinRec* pin : net->Pins) {
            out += pin->RefName.View();
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
