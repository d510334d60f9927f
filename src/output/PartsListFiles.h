// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "model/PartsList.h"
#include "model/TitleFields.h"
#include "output/ByteSink.h"

// The three parts list layouts, as the bytes of the file (CP932, CRLF line ends). Only
// parts with a reference are written, in list order.
namespace output {

enum class PartsListFormat { Njp = 0, Csv = 1, Txt = 2 };

// Part lines of one TXT page before the page break.
constexpr int kTxtPartLinesPerPage = 57;

class ReplacedTexts;

// Control bytes in the texts are written as "?"; `replaced` (when given) names their parts.
void WritePartsList(ByteSink& out, PartsListFormat format, const model::TTitleFields& titles,
                    const model::TPartsList& parts, ReplacedTexts* replaced = nullptr);
// The same bytes, whole.
std::string PartsListBytes(PartsListFormat format, const model::TTitleFields& titles,
                           const model::TPartsList& parts);

}  // namespace output
