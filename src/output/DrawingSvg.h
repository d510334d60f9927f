// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "model/DrawingGeometry.h"
#include "netlist/DrawingLinks.h"
#include "output/ByteSink.h"

namespace output {

// The colours a drawing is shown in, shared by the picture file and the window.
struct DrawingPalette {
    static constexpr const char* Background = "#ffffff";
    static constexpr const char* Wire = "#1f6f2a";
    static constexpr const char* Body = "#7a4a12";
    static constexpr const char* Text = "#303030";
    static constexpr const char* Label = "#1c4f9c";
    static constexpr const char* Highlight = "#0a64ff";
    static constexpr const char* Shorted = "#e01b24";
    static constexpr const char* Unconnected = "#f08c00";
};

// One drawing as an SVG picture (UTF-8), in drawing units: wires, junctions, part bodies
// with their reference and name, pins, labels, tags and comments. Items of shorted nets
// are drawn in the warning colour, the highlighted nets and part above everything else,
// unconnected pins ringed. Every item linked to a net carries it as data-net, and items of
// a highlighted net or part the class "hl", so a script can find them.
void WriteDrawingSvg(ByteSink& out, const model::DrawingGeometry& drawing,
                     const netlist::DrawingMarks& marks);

// A CP932 text as UTF-8 fit for XML text and attribute values.
std::string XmlText(std::string_view cp932);

}  // namespace output
