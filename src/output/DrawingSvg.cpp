// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/DrawingSvg.h"

#include <string_view>

#include "model/NetList.h"
#include "text/Cp932.h"

namespace output {
namespace {

using netlist::ItemLook;

constexpr int kMargin = 30;
constexpr int kTextHeight = 9;
constexpr int kCharWidth = 6;  // an estimate for the picture's extent, not a measure

std::string Num(std::int32_t v) {
    return std::to_string(v);
}

const char* LookClass(ItemLook look) {
    switch (look) {
        case ItemLook::Highlighted:
            return " hl";
        case ItemLook::Shorted:
            return " s";
        default:
            return "";
    }
}

// The extent of the picture: the items and a guess at how far their texts reach.
model::DrawingRect PictureBounds(const model::DrawingGeometry& drawing) {
    model::DrawingRect r = drawing.Bounds();
    auto reach = [&r](model::TPoint at, std::size_t length) {
        const auto right = static_cast<std::int32_t>(at.X + kCharWidth * length);
        r.Right = std::max(r.Right, right);
        r.Top = std::min<std::int32_t>(r.Top, at.Y - kTextHeight);
    };
    for (const model::DrawingLabel& label : drawing.Labels) {
        reach(label.At, label.Text.size() + (label.IsTag ? 2 : 0));
    }
    for (const model::DrawingComment& comment : drawing.Comments) {
        reach(comment.At, comment.Text.size());
    }
    for (const model::DrawingPart& part : drawing.Parts) {
        const model::DrawingRect outline = part.Outline();
        reach({static_cast<std::int16_t>(outline.Left), static_cast<std::int16_t>(outline.Top)},
              std::max(part.RefText().size(), part.NameText().size()));
    }
    if (r.Empty()) {
        return {0, 0, 100, 100};
    }
    return {r.Left - kMargin, r.Top - kMargin, r.Right + kMargin, r.Bottom + kMargin};
}

class SvgWriter {
  public:
    SvgWriter(ByteSink& out, const model::DrawingGeometry& drawing,
              const netlist::DrawingMarks& marks)
        : out_(out), d_(drawing), marks_(marks) {}

    void Write() {
        Head();
        Parts();
        // Plain items first, so the warning and the highlight are never hidden under them.
        for (ItemLook pass : {ItemLook::Plain, ItemLook::Shorted, ItemLook::Highlighted}) {
            Wires(pass);
            Pins(pass);
        }
        Junctions();
        Labels();
        Comments();
        out_ += "</svg>\n";
    }

  private:
    void Head() {
        const model::DrawingRect box = PictureBounds(d_);
        const std::string w = Num(box.Right - box.Left);
        const std::string h = Num(box.Bottom - box.Top);
        using P = DrawingPalette;
        out_ += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
        out_ += "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"" + Num(box.Left) + " " +
                Num(box.Top) + " " + w + " " + h + "\" width=\"" + w + "\" height=\"" + h +
                "\" font-family=\"sans-serif\">\n";
        out_ += "<title>" + XmlText(d_.FileName) + "</title>\n";
        out_ += std::string("<style>\n") + ".w{stroke:" + P::Wire +
                ";stroke-width:2;stroke-linecap:round}\n" + ".j{fill:" + P::Wire + "}\n" +
                ".b{fill:none;stroke:" + P::Body + ";stroke-width:2}\n" + ".p{stroke:" + P::Body +
                ";stroke-width:1.5}\n" + ".u{fill:none;stroke:" + P::Unconnected +
                ";stroke-width:1.5}\n" + ".t{fill:" + P::Text + ";font-size:9px}\n" +
                ".n{fill:" + P::Text + ";font-size:6px}\n" + ".l{fill:" + P::Label +
                ";font-size:9px}\n" + ".g{fill:none;stroke:" + P::Label + ";stroke-width:1}\n" +
                ".s{stroke:" + P::Shorted + "}\n.j.s,.l.s{fill:" + P::Shorted + "}\n" +
                ".hl{stroke:" + P::Highlight + ";stroke-width:4}\n" +
                ".j.hl,.l.hl{fill:" + P::Highlight + ";stroke-width:0}\n" +
                ".b.hl{stroke-width:3}\n" + "</style>\n";
        out_ += "<rect x=\"" + Num(box.Left) + "\" y=\"" + Num(box.Top) + "\" width=\"" + w +
                "\" height=\"" + h + "\" fill=\"" + P::Background + "\"/>\n";
    }

    std::string NetAttribute(model::GroupNo group) const {
        const model::TNetRec* net = d_.NetOf(group);
        return net ? " data-net=\"" + XmlText(net->NetName) + "\"" : std::string();
    }

    void Line(const char* cls, ItemLook look, model::TPoint a, model::TPoint b,
              const std::string& attributes) {
        out_ += std::string("<line class=\"") + cls + LookClass(look) + "\" x1=\"" + Num(a.X) +
                "\" y1=\"" + Num(a.Y) + "\" x2=\"" + Num(b.X) + "\" y2=\"" + Num(b.Y) + "\"" +
                attributes + "/>\n";
    }

    void Text(const char* cls, std::int32_t x, std::int32_t y, std::string_view cp932,
              const std::string& extra = std::string()) {
        if (cp932.empty()) {
            return;
        }
        out_ += std::string("<text class=\"") + cls + "\" x=\"" + Num(x) + "\" y=\"" + Num(y) +
                "\"" + extra + ">" + XmlText(cp932) + "</text>\n";
    }

    void Wires(ItemLook pass) {
        for (const model::DrawingWire& wire : d_.Wires) {
            if (marks_.GroupLook(d_, wire.Group) == pass) {
                Line("w", pass, wire.A, wire.B, NetAttribute(wire.Group));
            }
        }
    }

    void Pins(ItemLook pass) {
        for (const model::DrawingPin& pin : d_.Pins) {
            ItemLook look = marks_.PinLook(d_, pin);
            if ((look == ItemLook::Unconnected ? ItemLook::Plain : look) != pass) {
                continue;
            }
            const model::DrawingPart& part = d_.Parts[static_cast<std::size_t>(pin.Part)];
            const std::string who =
                " data-pin=\"" + XmlText(std::string(part.RefText()) + "-" + pin.Number) + "\"";
            Line("p", look, pin.BodyEdge, pin.At, who + NetAttribute(pin.Group));
            if (look == ItemLook::Unconnected) {
                out_ += "<circle class=\"u\" cx=\"" + Num(pin.At.X) + "\" cy=\"" + Num(pin.At.Y) +
                        "\" r=\"4\"" + who + "/>\n";
            }
            Text("n", (pin.At.X + pin.BodyEdge.X) / 2 + 1, (pin.At.Y + pin.BodyEdge.Y) / 2 - 1,
                 pin.Number);
        }
    }

    void Junctions() {
        for (const model::DrawingJunction& j : d_.Junctions) {
            out_ += std::string("<circle class=\"j") + LookClass(marks_.GroupLook(d_, j.Group)) +
                    "\" cx=\"" + Num(j.At.X) + "\" cy=\"" + Num(j.At.Y) + "\" r=\"4\"" +
                    NetAttribute(j.Group) + "/>\n";
        }
    }

    void Parts() {
        for (const model::DrawingPart& part : d_.Parts) {
            const char* look = LookClass(marks_.PartLook(part));
            const std::string who = " data-part=\"" + XmlText(part.RefText()) + "\"";
            const model::DrawingRect body = part.Outline();
            out_ += std::string("<rect class=\"b") + look + "\" x=\"" + Num(body.Left) + "\" y=\"" +
                    Num(body.Top) + "\" width=\"" + Num(body.Right - body.Left) + "\" height=\"" +
                    Num(body.Bottom - body.Top) + "\"" +
                    (part.HasBody ? "" : " stroke-dasharray=\"3 3\"") + who + "/>\n";
            Text("t", body.Left, body.Top - 3, part.RefText());
            Text("t", body.Left, body.Bottom + kTextHeight + 1, part.NameText());
        }
    }

    void Labels() {
        for (const model::DrawingLabel& label : d_.Labels) {
            const std::string look =
                std::string(" class=\"l") + LookClass(marks_.GroupLook(d_, label.Group)) + "\"";
            const std::int32_t x = label.At.X;
            const std::int32_t y = label.At.Y;
            if (label.IsTag) {
                const std::int32_t w = label.Width;
                out_ += "<polygon class=\"g\" points=\"" + Num(x) + "," + Num(y) + " " +
                        Num(x + 5) + "," + Num(y - 6) + " " + Num(x + w - 5) + "," + Num(y - 6) +
                        " " + Num(x + w) + "," + Num(y) + " " + Num(x + w - 5) + "," + Num(y + 6) +
                        " " + Num(x + 5) + "," + Num(y + 6) + "\"" + NetAttribute(label.Group) +
                        "/>\n";
                out_ += "<text" + look + " x=\"" + Num(x + w / 2) + "\" y=\"" + Num(y + 3) +
                        "\" text-anchor=\"middle\"" + NetAttribute(label.Group) + ">" +
                        XmlText(label.Text) + "</text>\n";
            } else {
                const std::string turn =
                    label.Vertical ? " transform=\"rotate(-90 " + Num(x) + " " + Num(y) + ")\""
                                   : std::string();
                out_ += "<text" + look + " x=\"" + Num(x) + "\" y=\"" + Num(y - 2) + "\"" + turn +
                        NetAttribute(label.Group) + ">" + XmlText(label.Text) + "</text>\n";
            }
        }
    }

    void Comments() {
        for (const model::DrawingComment& comment : d_.Comments) {
            Text("t", comment.At.X, comment.At.Y, comment.Text);
        }
    }

    ByteSink& out_;
    const model::DrawingGeometry& d_;
    const netlist::DrawingMarks& marks_;
};

}  // namespace

std::string XmlText(std::string_view cp932) {
    const std::string utf8 = text::Cp932ToUtf8(cp932);
    std::string escaped;
    escaped.reserve(utf8.size());
    for (char c : utf8) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                // XML has no place for control characters, not even escaped.
                escaped += (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) ? ' ' : c;
        }
    }
    return escaped;
}

void WriteDrawingSvg(ByteSink& out, const model::DrawingGeometry& drawing,
                     const netlist::DrawingMarks& marks) {
    SvgWriter(out, drawing, marks).Write();
}

}  // namespace output
