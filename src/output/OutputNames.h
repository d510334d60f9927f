// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "output/PartsListFiles.h"

// The output file names proposed on a save: derived from the parts list number or the
// drawing, with the extension of each file kind. Names are CP932 texts.
namespace output {

// The extension of a parts list layout: ".njp", ".csv" or ".txt".
const char* PartsListExtension(PartsListFormat format);

// `name` with its extension (from the last "." after the last folder separator) replaced
// by `newTail`, which carries its own "." or "_"; appended when there is none.
std::string ReplaceExtension(std::string_view name, std::string_view newTail);

// A text that comes from a drawing made into one plain file name: folder separators (both
// slashes), runs of dots that could climb out of the folder and control characters each
// become "_", so the name cannot lead anywhere but the folder it is written in.
std::string PlainFileName(std::string_view cp932);

// The parts list name: the remembered one when it is longer than 4 bytes, else the parts
// list number (as a plain file name), else the drawing's name; always with the format's
// extension.
std::string ProposedPartsListName(std::string_view remembered, std::string_view listNumber,
                                  std::string_view drawingName, PartsListFormat format);
// The simple netlist name: the remembered one, else the drawing's name with ".net".
std::string ProposedSimpleNetName(std::string_view remembered, std::string_view drawingName);
// The Protel netlist name: the remembered one, else the drawing's name with "_Protel.net".
std::string ProposedProtelNetName(std::string_view remembered, std::string_view drawingName);

}  // namespace output
