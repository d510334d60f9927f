#include "netlist/NetBuilder.h"

#include <algorithm>
#include <string>
#include <vector>

#include "text/Compare.h"
#include "text/Cp932.h"
#include "text/Padding.h"

namespace netlist {
namespace {

constexpr std::size_t kPinsPerRow = 5;

using NetPosition = std::vector<std::unique_ptr<model::TNetRec>>::iterator;
using FindNetPosition = NetPosition (*)(model::TNetList&, const std::string&);

// The first net whose name is not smaller than `name`, walking from the start.
NetPosition WalkToNet(model::TNetList& nets, const std::string& name) {
    auto at = nets.Items.begin();
    while (at != nets.Items.end() && text::CompareAsciiNoCase((*at)->NetName, name) < 0) {
        ++at;
    }
    return at;
}

// The same net by binary search: the list is sorted and its names differ beyond case.
NetPosition SearchNet(model::TNetList& nets, const std::string& name) {
    return std::lower_bound(nets.Items.begin(), nets.Items.end(), name,
                            [](const std::unique_ptr<model::TNetRec>& net, const std::string& n) {
                                return text::CompareAsciiNoCase(net->NetName, n) < 0;
                            });
}

void FileNet(model::TNetList& nets, std::unique_ptr<model::TNetRec> net, FindNetPosition find) {
    const auto at = find(nets, net->NetName);
    if (at != nets.Items.end() && text::CompareAsciiNoCase((*at)->NetName, net->NetName) == 0) {
        model::TNetRec& existing = **at;
        for (model::TPinRec* pin : net->Pins) {
            pin->Net = &existing;
            existing.Pins.push_back(pin);
        }
        return;
    }
    for (model::TPinRec* pin : net->Pins) {
        pin->Net = net.get();
    }
    nets.Items.insert(at, std::move(net));
}

void FinishNetWith(model::TNetList& nets, std::unique_ptr<model::TNetRec> net,
                   const NetSettings& settings, FindNetPosition find) {
    if (net->Pins.empty()) {
        return;
    }
    if (net->NetName.empty()) {
        if (net->Pins.size() < 2) {
            return;  // a lone unnamed pin is no net
        }
        if (nets.NetCounter > 0 && nets.NetCounter < 2147483647) {
            net->NetName = text::Format("N%06d", ++nets.NetCounter);
        } else {
            net->NetName = PinLabel(*net, 0, kPinLabelNaming, settings);
        }
    }
    FileNet(nets, std::move(net), find);
}

void BuildNetsWith(model::TNetList& nets, model::TWireList& wires, const NetSettings& settings,
                   ShortsReporter& shorts, FindNetPosition find) {
    std::unique_ptr<model::TNetRec> net;
    std::int32_t netNo = -1;
    for (int i = 0; i < wires.Count(); ++i) {
        model::TWireRec& wire = *wires[i];
        if (!net || wire.NetNo != netNo) {
            if (net) {
                FinishNetWith(nets, std::move(net), settings, find);
            }
            net = std::make_unique<model::TNetRec>();
            netNo = wire.NetNo;
        }
        if (wire.LabelName.empty()) {
            // A named stub names the net but is no member of it.
            if (wire.Pin) {
                net->Pins.push_back(wire.Pin);
                wire.Pin = nullptr;
            }
        } else if (net->NetName.empty()) {
            net->NetName = wire.LabelName;
        } else {
            shorts.ReportShort(net->NetName, wire.LabelName);
        }
    }
    if (net) {
        FinishNetWith(nets, std::move(net), settings, find);
    }
}

}  // namespace

void ShortsReporter::ReportShort(std::string_view name, std::string_view otherName) {
    if (text::EqualAsciiNoCase(name, otherName) || !view_) {
        return;
    }
    if (!headerShown_) {
        view_->AddRow({fileName_}, nullptr);
        headerShown_ = true;
    }
    view_->AddRow({std::string(name), std::string(otherName)}, nullptr);
}

std::string PinLabel(const model::TNetRec& net, int index, int form, const NetSettings& settings) {
    if (index < 0 || static_cast<std::size_t>(index) >= net.Pins.size()) {
        return "NoPin";
    }
    const model::TPinRec& pin = *net.Pins[static_cast<std::size_t>(index)];
    if (form == kPinLabelDisplay) {
        return pin.RefName + " - " + pin.PinNumber;
    }
    std::string label = pin.RefName.empty() ? std::string() : pin.RefName + settings.Separator;
    if (form == kPinLabelNetlist && settings.PinCvtEnv) {
        return label + std::to_string(pin.PinOrder);
    }
    return label + pin.PinNumber;
}

void FinishNet(model::TNetList& nets, std::unique_ptr<model::TNetRec> net,
               const NetSettings& settings) {
    FinishNetWith(nets, std::move(net), settings, WalkToNet);
}

void BuildNets(model::TNetList& nets, model::TWireList& wires, const NetSettings& settings,
               ShortsReporter& shorts) {
    BuildNetsWith(nets, wires, settings, shorts, WalkToNet);
}

void indexed::FinishNet(model::TNetList& nets, std::unique_ptr<model::TNetRec> net,
                        const NetSettings& settings) {
    FinishNetWith(nets, std::move(net), settings, SearchNet);
}

void indexed::BuildNets(model::TNetList& nets, model::TWireList& wires, const NetSettings& settings,
                        ShortsReporter& shorts) {
    BuildNetsWith(nets, wires, settings, shorts, SearchNet);
}

bool ShowNets(const model::TNetList& nets, view::ListView& netView,
              const view::ListView& errorNetView, view::UserInterface& ui) {
    netView.BeginUpdate();
    netView.Clear();
    for (int i = 0; i < nets.Count(); ++i) {
        model::TNetRec* net = nets[i];
        std::vector<std::string> cells{std::to_string(i + 1), net->NetName};
        for (std::size_t k = 0; k < net->Pins.size(); ++k) {
            if (k > 0 && k % kPinsPerRow == 0) {
                netView.AddRow(cells, net);
                cells = {std::string(), std::string()};
            }
            cells.push_back(PinLabel(*net, static_cast<int>(k), kPinLabelDisplay, NetSettings{}));
        }
        netView.AddRow(cells, net);
    }
    netView.EndUpdate();
    ui.SetStatusPanel(1, text::Sj("ネット数：") + std::to_string(nets.Count()));
    return errorNetView.RowCount() > 0;
}

}  // namespace netlist
