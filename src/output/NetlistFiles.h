// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

#include "model/NetList.h"
#include "model/PartsList.h"
#include "output/ByteSink.h"

// The two netlist layouts, as the bytes of the file (CP932, CRLF line ends). Parts in list
// order, those without pins left out; nets in list order.
namespace output {

// Pins per line of a net in the simple netlist.
constexpr int kSimpleNetPinsPerLine = 8;

// The name of the net's pin `index` for net listings (reference, separator, pin number).
using PinNameFn = std::function<std::string(const model::TNetRec& net, int index)>;

class ReplacedTexts;

// Control bytes in the texts are written as "?"; `replaced` (when given) names their parts
// and nets.
void WriteSimpleNet(ByteSink& out, const model::TPartsList& parts, const model::TNetList& nets,
                    const PinNameFn& pinName, ReplacedTexts* replaced = nullptr);
void WriteProtelNet(ByteSink& out, const model::TPartsList& parts, const model::TNetList& nets,
                    ReplacedTexts* replaced = nullptr);

// The same bytes, whole.
std::string SimpleNetBytes(const model::TPartsList& parts, const model::TNetList& nets,
                           const PinNameFn& pinName);
std::string ProtelNetBytes(const model::TPartsList& parts, const model::TNetList& nets);

}  // namespace output
