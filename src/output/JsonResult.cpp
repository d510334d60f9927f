// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/JsonResult.h"

#include <nlohmann/json.hpp>

#include "text/Cp932.h"

namespace output {
namespace {

using nlohmann::ordered_json;

std::string U(std::string_view cp932) {
    return text::Cp932ToUtf8(cp932);
}

ordered_json Titles(const model::TTitleFields& titles) {
    return {{"designer", U(titles.Designer)},
            {"design_date", U(titles.DesignDate)},
            {"project", U(titles.Project)},
            {"design_name", U(titles.DesignName)},
            {"design_number", U(titles.DesignNumber)},
            {"list_number", U(titles.ListNumber)}};
}

ordered_json Part(const model::TPartRec& part, const PinNumberFn& pinNumber,
                  const GroupNameFn& groupName) {
    ordered_json pins = ordered_json::array();
    for (const auto& pin : part.Pins) {
        pins.push_back({{"pin", U(pinNumber(*pin))},
                        {"net", pin->Net ? ordered_json(U(pin->Net->NetName)) : ordered_json()}});
    }
    return {{"reference", U(part.RefText())},
            {"in_parts_list", part.HasRef()},
            {"units", part.UnitNo},
            {"quantity", part.Amount},
            {"drawn_name", U(part.PartNameText())},
            {"name", U(part.CvtNameText())},
            {"library_symbol", U(part.LibNameText())},
            {"maker", U(part.MakerNameText())},
            {"group", U(groupName ? groupName(part.NameCvtIndex) : std::string())},
            {"footprint", U(part.FootPrint.str())},
            {"silk", U(part.SilkName.str())},
            {"note", U(part.NoteText())},
            {"pins", pins}};
}

}  // namespace

std::string JsonResult(const model::TTitleFields& titles, const model::TPartsList& parts,
                       const model::TNetList& nets, const RunFindings& findings,
                       const PinNumberFn& pinNumber, const GroupNameFn& groupName) {
    ordered_json result;
    result["schema"] = "vornextract-result";
    result["schema_version"] = kJsonSchemaVersion;
    result["titles"] = Titles(titles);
    ordered_json partList = ordered_json::array();
    ordered_json withoutPins = ordered_json::array();
    for (const auto& part : parts.Items) {
        partList.push_back(Part(*part, pinNumber, groupName));
        if (part->HasRef() && part->Pins.empty()) {
            withoutPins.push_back(U(part->RefText()));
        }
    }
    result["parts"] = partList;
    ordered_json netList = ordered_json::array();
    for (const auto& net : nets.Items) {
        ordered_json pins = ordered_json::array();
        for (const model::TPinRec* pin : net->Pins) {
            pins.push_back({{"reference", U(pin->RefText())}, {"pin", U(pinNumber(*pin))}});
        }
        netList.push_back({{"name", U(net->NetName)}, {"pins", pins}});
    }
    result["nets"] = netList;
    ordered_json shorts = ordered_json::array();
    for (const auto& [first, second] : findings.ShortedNets) {
        shorts.push_back({U(first), U(second)});
    }
    result["shorted_nets"] = shorts;
    result["parts_without_pins"] = withoutPins;
    ordered_json messages = ordered_json::array();
    for (const std::string& message : findings.Messages) {
        messages.push_back(U(message));
    }
    result["messages"] = messages;
    // Bytes no encoding can name are written as U+FFFD rather than ending the run.
    return result.dump(2, ' ', false, ordered_json::error_handler_t::replace) + "\n";
}

}  // namespace output
