// SPDX-License-Identifier: GPL-3.0-or-later
#include "netlist/NetBuilder.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
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
auto WalkToNet(model::TNetList& nets, std::string_view name) {
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
            net.NetName = "N" + text::ZeroPadded(++nets.NetCounter, 6);
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
        if (!wires.Named(wire)) {
            // A named stub names the net but is no member of it.
            if (wire.Pin) {
                net->Pins.push_back(wire.Pin);
                wire.Pin = nullptr;
            }
        } else if (net->NetName.empty()) {
            net->NetName = wires.NameOf(wire);
        } else {
            shorts.ReportShort(net->NetName, wires.NameOf(wire));
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
        return std::string(pin.RefText()) + " - " + pin.PinNumber.str();
    }
    std::string label =
        pin.RefText().empty() ? std::string() : std::string(pin.RefText()) + settings.Separator;
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

namespace {

// The first eight bytes of a name folded, as one number that orders as the names do; a
// shorter name is padded with zero bytes, which sort first as the end of a name does.
std::uint64_t FoldedPrefix(std::string_view name) {
    std::uint64_t prefix = 0;
    text::AsciiFolder fold;
    for (std::size_t i = 0; i < 8; ++i) {
        prefix <<= 8;
        if (i < name.size()) {
            prefix |= fold(static_cast<unsigned char>(name[i]));
        }
    }
    return prefix;
}

}  // namespace

void indexed::NetFiling::File(std::unique_ptr<model::TNetRec> net) {
    MovePins(*net, *net);
    nets_.Items.push_back(std::move(net));
}

void indexed::NetFiling::Finish() {
    auto& items = nets_.Items;
    if (sorted_ == items.size()) {
        return;
    }
    // The waiting nets by name, found by the folded prefix and only on a tie by the whole
    // name (half a million names sort in a tenth of the time); one name's nets in the
    // order they were filed, so the first takes the pins of the others in turn.
    struct Waiting {
        std::uint64_t Prefix;
        std::uint32_t Place;
    };
    std::vector<Waiting> waiting;
    waiting.reserve(items.size() - sorted_);
    for (std::size_t i = sorted_; i < items.size(); ++i) {
        waiting.push_back({FoldedPrefix(items[i]->NetName), static_cast<std::uint32_t>(i)});
    }
    auto compare = [&items](const Waiting& a, const Waiting& b) {
        if (a.Prefix != b.Prefix) {
            return a.Prefix < b.Prefix ? -1 : 1;
        }
        return text::CompareAsciiNoCase(items[a.Place]->NetName, items[b.Place]->NetName);
    };
    std::sort(waiting.begin(), waiting.end(), [&compare](const Waiting& a, const Waiting& b) {
        const int order = compare(a, b);
        return order != 0 ? order < 0 : a.Place < b.Place;
    });
    auto nameLess = [](const std::unique_ptr<model::TNetRec>& a,
                       const std::unique_ptr<model::TNetRec>& b) {
        return text::CompareAsciiNoCase(a->NetName, b->NetName) < 0;
    };
    // The nets joined into others stay behind in `items` and are freed with it.
    const auto olderEnd = items.begin() + static_cast<std::ptrdiff_t>(sorted_);
    auto older = items.begin();
    std::vector<std::unique_ptr<model::TNetRec>> merged;
    merged.reserve(items.size());
    for (std::size_t w = 0; w < waiting.size();) {
        std::unique_ptr<model::TNetRec>& first = items[waiting[w].Place];
        std::size_t next = w + 1;
        for (; next < waiting.size() && compare(waiting[w], waiting[next]) == 0; ++next) {
            MovePins(*items[waiting[next].Place], *first);
        }
        const auto at = std::lower_bound(older, olderEnd, first, nameLess);
        std::move(older, at, std::back_inserter(merged));
        older = at;
        if (at != olderEnd && !nameLess(first, *at)) {
            MovePins(*first, **at);
        } else {
            merged.push_back(std::move(first));
        }
        w = next;
    }
    std::move(older, olderEnd, std::back_inserter(merged));
    items = std::move(merged);
    sorted_ = items.size();
}

void indexed::BuildNets(model::TNetList& nets, model::TWireList& wires, const NetSettings& settings,
                        ShortsReporter& shorts) {
    NetFiling filing(nets);
    BuildNets(filing, nets, wires, settings, shorts);
    filing.Finish();
}

void indexed::BuildNets(NetFiling& filing, model::TNetList& nets, model::TWireList& wires,
                        const NetSettings& settings, ShortsReporter& shorts) {
    BuildNetsWith(wires, shorts, [&](std::unique_ptr<model::TNetRec> net) {
        if (NameNet(nets, *net, settings)) {
            filing.File(std::move(net));
        }
    });
}

bool ShowNets(const model::TNetList& nets, view::ListView& netView,
              const view::ListView& errorNetView, view::UserInterface& ui) {
    netView.BeginUpdate();
    netView.Clear();
    // A view that drops its texts gets the rows only: a label for each of a million pins
    // is not made.
    const bool texts = netView.KeepsTexts();
    for (int i = 0; i < nets.Count(); ++i) {
        model::TNetRec* net = nets[i];
        std::vector<std::string> cells;
        if (texts) {
            cells = {std::to_string(i + 1), net->NetName.str()};
        }
        for (std::size_t k = 0; k < net->Pins.size(); ++k) {
            if (k > 0 && k % kPinsPerRow == 0) {
                netView.AddRow(cells, net);
                cells.assign(texts ? 2 : 0, std::string());
            }
            if (texts) {
                cells.push_back(
                    PinLabel(*net, static_cast<int>(k), kPinLabelDisplay, NetSettings{}));
            }
        }
        netView.AddRow(cells, net);
    }
    netView.EndUpdate();
    ui.SetStatusPanel(view::kWireCountPanel, model::NetsCountText(nets.Items.size()));
    return errorNetView.RowCount() > 0;
}

}  // namespace netlist
