#pragma once

#include <optional>
#include <string_view>

#include "model/Ce2Records.h"
#include "model/PartRec.h"
#include "model/WireList.h"

namespace reader {

// A symbol's body size in grid units (10 drawing units each).
struct SymbolSize {
    int Width = 0;
    int Height = 0;
};

// What reading a drawing hands to the rest of the program: libraries, name tables,
// settings, the parts list and connectivity. The main window's core implements it; a
// test can record the calls.
class ReaderServices {
  public:
    virtual ~ReaderServices() = default;

    virtual bool LibrariesEmpty() = 0;
    virtual void LoadLibraries() = 0;
    virtual std::optional<SymbolSize> SymbolSizeOf(std::string_view libName) = 0;
    // Loads "NameTable.Txt" of the current directory into the per-drawing name list.
    virtual void LoadDrawingNameTable() = 0;
    virtual void LoadSettings() = 0;
    // Creates the part from its file record, converts its name, looks up its maker, files
    // it into the parts list and places its pins; returns the new record.
    virtual model::TPartRec* AddPart(const model::CCe2Part& record) = 0;
    // Joins the file's geometry with the parts' new pins into this file's nets.
    virtual void BuildConnectivity(model::TWireList& wires) = 0;
};

}  // namespace reader
