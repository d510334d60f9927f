#pragma once

#include <string>

#include "model/CommentList.h"
#include "model/NetList.h"
#include "model/PartsList.h"
#include "model/TitleFields.h"
#include "reader/ReaderServices.h"
#include "reader/TitleBlock.h"
#include "settings/OptionValues.h"
#include "view/UserInterface.h"

namespace reader {

// Everything of the main window that reading a drawing reads or changes.
struct DrawingReadTarget {
    model::TPartsList& PartsList;
    model::TNetList& NetList;
    model::TCommentList& CommentList;
    const settings::TOptionValues& Options;
    model::TTitleFields& Titles;
    TitleBlockMemory& TitleBlock;
    std::string& DataDir;  // CP932
    std::string& PreFile;  // CP932
    bool& NotSaved;
    view::UserInterface& Ui;
    ReaderServices& Services;
};

// Reads one drawing file into the target, adding to what earlier files left there.
// `fileName` is a path (UTF-8) relative to the current directory at the call or absolute;
// `shownName` is how the caller named it, used in messages. Failures are shown through
// the target's user interface; what was read before a damaged record stays.
void ReadDrawing(const std::string& fileName, DrawingReadTarget& target,
                 const std::string& shownName);
inline void ReadDrawing(const std::string& fileName, DrawingReadTarget& target) {
    ReadDrawing(fileName, target, fileName);
}

// The net counter a drawing starts with: serial names begin at the next multiple of
// 10000, named-from-pins drawings use -1.
int NextNetCounter(int counter, bool serialNames);

}  // namespace reader
