// SPDX-License-Identifier: GPL-3.0-or-later
#include "netlist/NetBuilder.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "model/CountTexts.h"
#include "text/Compare.h"
#include "text/Cp932.h"
#include "text/Padding.h"

namespace netlist {
namespace {

constexpr std::size_t kPinsPerRow = 5;

// The first net whose name is not smaller than `name`, walking from the start.
auto WalkToNet(model::TNetList& nets, const std::string& name) {
    auto at = nets.Items.begin();
    while (at != nets.Items.end() && text::CompareAsciiNoCase((*at)->NetName, name) < 0) {
        ++at;
    }
    return at;
}

void MovePins(model::TNetRec& from, model::TNetRec& to) {
    for (model::TPinRec* pin : from.Pins) {
        pin->Net = &to;
        if (&from != &to) {
            to.Pins.push_back(pin);
        }
    }
}

void FileNet(model::TNetList& nets, std::unique_ptr<model::TNetRec> net) {
    const auto at = WalkToNet(nets, net->NetName);
    if (at != nets.Items.end() && text::CompareAsciiNoCase((*at)->NetName, net->NetName) == 0) {
        MovePins(*net, **at);
        return;
    }
    MovePins(*net, *net);
    nets.Items.insert(at, std::move(net));
}

// Names a new net from the counter or its first pin; false when it is to be dropped.
bool NameNet(model::TNetList& nets, model::TNetRec& net, const NetSettings& settings) {
    if (net.Pins.empty()) {
        return false;
    }
    if (net.NetName.empty()) {
        if (net.Pins.size() < 2) {
            return false;  // a lone unnamed pin is no net
        }
        if (nets.NetCounter > 0 && nets.NetCounter < 2147483647) {
            net.NetName = text::Format("N%06d", ++nets.NetCounter);
        } else {
            net.NetName = PinLabel(net, 0, kPinLabelNaming, settings);
        }
    }
    return true;
}

// The groups of the numbered wire list, each handed to `file` as a new net.
template <class FileFn>
void BuildNetsWith(model::TWireList& wires, ShortsReporter& shorts, FileFn file) {
    std::unique_ptr<model::TNetRec> net;
    std::int32_t netNo = -1;
    for (int i = 0; i < wires.Count(); ++i) {
        model::TWireRec& wire = *wires[i];
        if (!net || wire.NetNo != netNo) {
            if (net) {
                file(std::move(net));
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
        file(std::move(net));
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
        return pin.RefName.str() + " - " + pin.PinNumber.str();
    }
    std::string label =
        pin.RefName.empty() ? std::string() : pin.RefName.str() + settings.Separator;
    if (form == kPinLabelNetlist) {
        return label + PinNumberText(pin, settings);
    }
    return label + pin.PinNumber.str();
}

std::string PinNumberText(const model::TPinRec& pin, const NetSettings& settings) {
    return settings.PinCvtEnv ? std::to_string(pin.PinOrder) : pin.PinNumber.str();
}

void FinishNet(model::TNetList& nets, std::unique_ptr<model::TNetRec> net,
               const NetSettings& settings) {
    if (NameNet(nets, *net, settings)) {
        FileNet(nets, std::move(net));
    }
}

void BuildNets(model::TNetList& nets, model::TWireList& wires, const NetSettings& settings,
               ShortsReporter& shorts) {
    BuildNetsWith(wires, shorts, [&](std::unique_ptr<model::TNetRec> net) {
        FinishNet(nets, std::move(net), settings);
    });
}

indexed::NetFiling::NetFiling(model::TNetList& nets) : nets_(nets), sorted_(nets.Items.size()) {
    for (const auto& net : nets.Items) {
        names_.insert(names_.end(), net.get());
    }
}

void indexed::NetFiling::File(std::unique_ptr<model::TNetRec> net) {
    const auto at = names_.lower_bound(net.get());
    if (at != names_.end() && text::CompareAsciiNoCase((*at)->NetName, net->NetName) == 0) {
        MovePins(*net, **at);
        return;
    }
    MovePins(*net, *net);
    names_.insert(at, net.get());
    nets_.Items.push_back(std::move(net));
}

// The new nets wait behind the ones in order. They are sorted among themselves and each
// is placed by a binary search of the older ones, which move over as whole runs: a
// drawing's few nets cost a few comparisons each, not one for every net already listed.
// The names differ beyond case, so the order is whole.
void indexed::NetFiling::Finish() {
    auto& items = nets_.Items;
    if (sorted_ == items.size()) {
        return;
    }
    // When the drawing brought at least as many nets as the list held, the name set (in
    // order already) costs less than sorting them by case-folded names: half a second for
    // the half a million nets of a million wires.
    if (items.size() - sorted_ >= sorted_ && TakeSetOrder()) {
        sorted_ = items.size();
        return;
    }
    auto less = [](const std::unique_ptr<model::TNetRec>& a,
                   const std::unique_ptr<model::TNetRec>& b) {
        return NameLess()(a.get(), b.get());
    };
    const auto middle = items.begin() + static_cast<std::ptrdiff_t>(sorted_);
    std::sort(middle, items.end(), less);
    std::vector<std::unique_ptr<model::TNetRec>> merged;
    merged.reserve(items.size());
    auto older = items.begin();
    for (auto added = middle; added != items.end(); ++added) {
        const auto at = std::lower_bound(older, middle, *added, less);
        std::move(older, at, std::back_inserter(merged));
        merged.push_back(std::move(*added));
        older = at;
    }
    std::move(older, middle, std::back_inserter(merged));
    items = std::move(merged);
    sorted_ = items.size();
}

bool indexed::NetFiling::TakeSetOrder() {
    auto& items = nets_.Items;
    if (names_.size() != items.size()) {
        return false;
    }
    // Each net of the set is found in the list by its address. The set's nets have distinct
    // names, so they are distinct nets, as many as the list holds: all found, each is
    // placed once.
    std::vector<std::uint32_t> byAddress(items.size());
    for (std::uint32_t i = 0; i < byAddress.size(); ++i) {
        byAddress[i] = i;
    }
    auto address = [&items](std::uint32_t i) { return items[i].get(); };
    std::sort(byAddress.begin(), byAddress.end(), [&address](std::uint32_t a, std::uint32_t b) {
        return std::less<>()(address(a), address(b));
    });
    std::vector<std::uint32_t> order;
    order.reserve(items.size());
    for (model::TNetRec* net : names_) {
        const auto at = std::lower_bound(byAddress.begin(), byAddress.end(), net,
                                         [&address](std::uint32_t i, const model::TNetRec* n) {
                                             return std::less<>()(address(i), n);
                                         });
        if (at == byAddress.end() || address(*at) != net) {
            return false;
        }
        order.push_back(*at);
    }
    std::vector<std::unique_ptr<model::TNetRec>> ordered;
    ordered.reserve(items.size());
    for (std::uint32_t i : order) {
        ordered.push_back(std::move(items[i]));
    }
    items = std::move(ordered);
    return true;
}

bool indexed::NetFiling::NameLess::operator()(const model::TNetRec* a,
                                              const model::TNetRec* b) const {
    return text::CompareAsciiNoCase(a->NetName, b->NetName) < 0;
}

void indexed::BuildNets(model::TNetList& nets, model::TWireList& wires, const NetSettings& settings,
                        ShortsReporter& shorts) {
    NetFiling filing(nets);
    BuildNets(filing, nets, wires, settings, shorts);
}

void indexed::BuildNets(NetFiling& filing, model::TNetList& nets, model::TWireList& wires,
                        const NetSettings& settings, ShortsReporter& shorts) {
    BuildNetsWith(wires, shorts, [&](std::unique_ptr<model::TNetRec> net) {
        if (NameNet(nets, *net, settings)) {
            filing.File(std::move(net));
        }
    });
    filing.Finish();
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
    ui.SetStatusPanel(view::kWireCountPanel, model::NetsCountText(nets.Items.size()));
    return errorNetView.RowCount() > 0;
}

}  // namespace netlist
