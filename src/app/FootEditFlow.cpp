// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FootEditFlow.h"

#include <algorithm>
#include <memory>

#include "text/Compare.h"

namespace app {

std::vector<std::string> FootPrintItems(const tables::TFootList& list) {
    std::vector<std::string> items;
    for (const auto& entry : list.Entries()) {
        const std::string_view footPrint = entry->FootPrint;
        auto at = std::lower_bound(items.begin(), items.end(), footPrint,
                                   [](const std::string& item, std::string_view name) {
                                       return text::CompareLocale(item, name) < 0;
                                   });
        if (at == items.end() || text::CompareLocale(*at, footPrint) != 0) {
            items.insert(at, std::string(footPrint));
        }
    }
    return items;
}

bool SaveFootEdit(MainWindowState& state, model::TPartRec& part, const std::string& silk,
                  const std::string& footPrint, bool updateCvt) {
    if (silk == part.SilkName && footPrint == part.FootPrint) {
        return false;
    }
    part.SilkName = silk;
    part.FootPrint = footPrint;
    state.ShowEditedPart(part);
    if (updateCvt && state.Tables.Foot) {
        auto entry = std::make_unique<model::TFootRec>();
        entry->FootKey = part.CvtNameText();
        entry->FootPrint = footPrint;
        entry->SilkName = silk;
        state.Tables.Foot->AddFoot(std::move(entry), *state.Tables.Views.FootView);
        state.Tables.Foot->SaveFoot();
    }
    return true;
}

void ApplyFootToSameName(MainWindowState& state, const model::TPartRec& edited) {
    for (const auto& each : state.PartsList.Items) {
        model::TPartRec* other = each.get();
        if (other == &edited ||
            text::CompareLocale(other->CvtNameText(), edited.CvtNameText()) != 0) {
            continue;
        }
        other->FootPrint = edited.FootPrint;
        other->SilkName = edited.SilkName;
        state.ShowEditedPart(*other);
    }
}

}  // namespace app
