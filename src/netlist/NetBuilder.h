// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "model/NetList.h"
#include "model/WireList.h"
#include "view/ListView.h"
#include "view/UserInterface.h"

// Named nets from a numbered wire list, short reports and the net views.
namespace netlist {

struct NetSettings {
    std::string Separator;   // between reference and pin number (NetSeparator, CP932)
    bool PinCvtEnv = false;  // netlist texts use the numeric pin order
};

// The rows of the shorts view. Its header row (the drawing's file name) is written once
// until the lists are cleared, which the owner of `headerShown` records.
class ShortsReporter {
  public:
    ShortsReporter(view::ListView* errorNetView, bool& headerShown, std::string drawingFileName)
        : view_(errorNetView), headerShown_(headerShown), fileName_(std::move(drawingFileName)) {}

    // A row for a group carrying two names that differ beyond ASCII letter case.
    void ReportShort(std::string_view name, std::string_view otherName);

  private:
    view::ListView* view_;
    bool& headerShown_;
    std::string fileName_;
};

enum PinLabelForm { kPinLabelNetlist = 0, kPinLabelNaming = 1, kPinLabelDisplay = 2 };

// The pin's number as the netlists write it: the numeric order with pin conversion on,
// else the library's pin number text.
std::string PinNumberText(const model::TPinRec& pin, const NetSettings& settings);

// The text of the net's pin `index` in one of the three forms; "NoPin" past the pins.
std::string PinLabel(const model::TNetRec& net, int index, int form, const NetSettings& settings);

// Names the new net, or drops it, and files it into the sorted list, merging it into a
// net of the same name.
void FinishNet(model::TNetList& nets, std::unique_ptr<model::TNetRec> net,
               const NetSettings& settings);

// The numbered groups of the wire list as nets of the list.
void BuildNets(model::TNetList& nets, model::TWireList& wires, const NetSettings& settings,
               ShortsReporter& shorts);

namespace indexed {

// Nets filed into the list as FinishNet files them, but all at once: a new net waits at
// the end of the list until Finish sorts the waiting ones among themselves, joins those
// of one name and places each among the older nets by a binary search, the older ones
// moving over as whole runs. The names in the list differ beyond case, so the order is
// whole. Kept over the drawings of a load and finished at its end, filing a drawing costs
// what the drawing brings, not what the list already holds; nothing else may change the
// list meanwhile.
class NetFiling {
  public:
    explicit NetFiling(model::TNetList& nets) : nets_(nets), sorted_(nets.Items.size()) {}
    NetFiling(const NetFiling&) = delete;
    NetFiling& operator=(const NetFiling&) = delete;

    void File(std::unique_ptr<model::TNetRec> net);
    void Finish();

  private:
    model::TNetList& nets_;
    std::size_t sorted_;
};

// The same as BuildNets, the nets filed through a filing of their own; or filed into
// `filing`, the list in order once the filing is finished.
void BuildNets(model::TNetList& nets, model::TWireList& wires, const NetSettings& settings,
               ShortsReporter& shorts);
void BuildNets(NetFiling& filing, model::TNetList& nets, model::TWireList& wires,
               const NetSettings& settings, ShortsReporter& shorts);

}  // namespace indexed

// Fills the net view (five pins a row) and the net count; returns whether the shorts
// panel is to be shown, that is whether the shorts view has rows.
bool ShowNets(const model::TNetList& nets, view::ListView& netView,
              const view::ListView& errorNetView, view::UserInterface& ui);

}  // namespace netlist
