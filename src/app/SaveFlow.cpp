// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SaveFlow.h"

#include "output/OutputNames.h"
#include "text/Cp932.h"

namespace app {

namespace {

output::PartsListFormat FormatOf(int pListType) {
    return static_cast<output::PartsListFormat>(pListType);
}

bool KnownFormat(int pListType) {
    return pListType >= 0 && pListType <= 2;
}

// The rules count and cut CP932 bytes; names come and go as UTF-8.
std::string Cp(const std::string& utf8) {
    return text::Utf8ToCp932(utf8);
}
std::string Utf(const std::string& cp932) {
    return text::Cp932ToUtf8(cp932);
}

}  // namespace

OutputFileNames ProposeOutputNames(const OutputFileNames& remembered, const std::string& listNumber,
                                   const std::string& drawing, int pListType) {
    output::PartsListFormat format = FormatOf(KnownFormat(pListType) ? pListType : 0);
    return {Utf(output::ProposedPartsListName(Cp(remembered.PartsList), listNumber, Cp(drawing),
                                              format)),
            Utf(output::ProposedSimpleNetName(Cp(remembered.SimpleNet), Cp(drawing))),
            Utf(output::ProposedProtelNetName(Cp(remembered.ProtelNet), Cp(drawing)))};
}

OutputFileNames SaveOutputs(MainWindowState& state, const SaveChoice& choice) {
    const OutputFileNames& names = choice.Names;
    if (choice.SavePlistEn && !names.PartsList.empty() && KnownFormat(state.Options.PListType)) {
        state.WritePartsListFile(names.PartsList, FormatOf(state.Options.PListType));
    }
    if (choice.SimpleNetEn && !names.SimpleNet.empty()) {
        state.WriteSimpleNetFile(names.SimpleNet);
    }
    if (choice.ProtelNetEn && !names.ProtelNet.empty()) {
        state.WriteProtelNetFile(names.ProtelNet);
    }
    return names;
}

}  // namespace app
