#pragma once

#include <functional>
#include <string>

#include "model/NetList.h"
#include "output/ByteSink.h"
#include "view/ListView.h"

// The two netlist layouts, as the bytes of the file (CP932, CRLF line ends). Parts come
// from the rows of the detail view as shown (rows of parts without pins are left out);
// nets in list order.
namespace output {

// Columns of the detail view the netlists read.
constexpr int kDetailRefColumn = 0;
constexpr int kDetailSilkColumn = 3;
constexpr int kDetailFootprintColumn = 4;
// State image of a detail row whose part has no pins.
constexpr int kNoPinsImage = 0;
// Pins per line of a net in the simple netlist.
constexpr int kSimpleNetPinsPerLine = 8;

// The name of the net's pin `index` for net listings (reference, separator, pin number).
using PinNameFn = std::function<std::string(const model::TNetRec& net, int index)>;

class ReplacedTexts;

// Control bytes in the texts are written as "?"; `replaced` (when given) names their parts
// and nets.
void WriteSimpleNet(ByteSink& out, const view::ListView& detailRows, const model::TNetList& nets,
                    const PinNameFn& pinName, ReplacedTexts* replaced = nullptr);
void WriteProtelNet(ByteSink& out, const view::ListView& detailRows, const model::TNetList& nets,
                    ReplacedTexts* replaced = nullptr);

// The same bytes, whole.
std::string SimpleNetBytes(const view::ListView& detailRows, const model::TNetList& nets,
                           const PinNameFn& pinName);
std::string ProtelNetBytes(const view::ListView& detailRows, const model::TNetList& nets);

}  // namespace output
