// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/PartsListFiles.h"

#include <utility>
#include <vector>

#include "model/WalkAhead.h"
#include "output/VisibleText.h"
#include "text/Cp932.h"
#include "text/Padding.h"

namespace output {
namespace {

constexpr const char* kCrLf = "\r\n";

// The title lines of the tagged layouts: tag and field, in file order.
std::vector<std::pair<std::string, const std::string*>> TitleLines(const model::TTitleFields& t) {
    return {{text::Utf8ToCp932("接続図"), &t.DesignNumber},
            {text::Utf8ToCp932("形式"), &t.Project},
            {text::Utf8ToCp932("図名"), &t.DesignName},
            {text::Utf8ToCp932("設計"), &t.Designer},
            {text::Utf8ToCp932("設計日"), &t.DesignDate},
            {text::Utf8ToCp932("部品表"), &t.ListNumber}};
}

std::string Reference(const model::TPartRec& part) {
    return std::string(part.RefPrefixText()) + std::to_string(part.RefNumber);
}

// The texts of a part or title field as the file may hold them.
class Texts {
  public:
    explicit Texts(ReplacedTexts* replaced) : replaced_(replaced) {}
    std::string Of(const model::TPartRec& part, std::string_view text) const {
        return Visible(text, replaced_, ReplacedTexts::Kind::Part, part.RefText());
    }
    std::string Title(std::string_view tag, std::string_view field) const {
        return Visible(field, replaced_, ReplacedTexts::Kind::Title, tag);
    }

  private:
    ReplacedTexts* replaced_;
};

template <typename Fn>
void ForEachWrittenPart(const model::TPartsList& parts, Fn fn) {
    model::WalkAhead(parts.Items, [&](const model::TPartRec& part) {
        if (part.HasRef()) {
            fn(part);
        }
    });
}

void WriteNjpList(ByteSink& out, const model::TTitleFields& titles, const model::TPartsList& parts,
                  const Texts& texts) {
    for (const auto& [tag, field] : TitleLines(titles)) {
        if (!field->empty()) {
            out += tag + "\t" + texts.Title(tag, *field) + kCrLf;
        }
    }
    ForEachWrittenPart(parts, [&](const model::TPartRec& p) {
        out += "U:" + std::to_string(p.UnitNo) + "\tG:" + texts.Of(p, p.RefPrefixText()) +
               "\tN:" + std::to_string(p.RefNumber) + "\tP:" + texts.Of(p, p.CvtNameText()) +
               "\tM:" + texts.Of(p, p.MakerNameText()) + "\tK:" + std::to_string(p.Amount);
        if (!p.NoteText().empty()) {
            out += "\tB:" + texts.Of(p, p.NoteText());
        }
        out += kCrLf;
    });
    out.Flush();
}

void WriteCsvList(ByteSink& out, const model::TTitleFields& titles, const model::TPartsList& parts,
                  const Texts& texts) {
    for (const auto& [tag, field] : TitleLines(titles)) {
        if (!field->empty()) {
            out += "\"" + tag + "\",\"" + texts.Title(tag, *field) + "\"" + kCrLf;
        }
    }
    // Quotes inside values stay as they are: the files are read back by tools that expect it.
    ForEachWrittenPart(parts, [&](const model::TPartRec& p) {
        out += "\"" + texts.Of(p, Reference(p)) + "\",\"" + texts.Of(p, p.CvtNameText()) + "\",\"" +
               texts.Of(p, p.MakerNameText()) + "\"," + std::to_string(p.Amount);
        if (!p.NoteText().empty()) {
            out += ",\"" + texts.Of(p, p.NoteText()) + "\"";
        }
        out += kCrLf;
    });
    out.Flush();
}

void WriteTxtList(ByteSink& out, const model::TTitleFields& titles, const model::TPartsList& parts,
                  const Texts& texts) {
    const std::string project = text::Utf8ToCp932("形式：");
    const std::string listNumber = text::Utf8ToCp932("部品表：");
    const std::string designer = text::Utf8ToCp932("設計　：");
    const std::string designName = text::Utf8ToCp932("図名：");
    const std::string designNumber = text::Utf8ToCp932("接続図：");
    const std::string designDate = text::Utf8ToCp932("設計日：");

    int lineOnPage = 0;
    ForEachWrittenPart(parts, [&](const model::TPartRec& p) {
        if (lineOnPage == 0) {
            out += project + text::PadRight(texts.Title(project, titles.Project), 30) + listNumber +
                   text::PadRight(texts.Title(listNumber, titles.ListNumber), 20) + designer +
                   texts.Title(designer, titles.Designer) + kCrLf;
            out += designName + text::PadRight(texts.Title(designName, titles.DesignName), 30) +
                   designNumber +
                   text::PadRight(texts.Title(designNumber, titles.DesignNumber), 20) + designDate +
                   texts.Title(designDate, titles.DesignDate) + kCrLf;
        }
        out += text::PadRight(texts.Of(p, Reference(p)), 10) +
               text::PadRight(texts.Of(p, p.CvtNameText()), 40) +
               text::PadRight(texts.Of(p, p.MakerNameText()), 20) +
               text::PadRight(std::to_string(p.Amount), 6) + texts.Of(p, p.NoteText()) + kCrLf;
        if (++lineOnPage == kTxtPartLinesPerPage) {
            out += kCrLf;
            out += '\x0C';
            lineOnPage = 0;
        }
    });
    out.Flush();
}

}  // namespace

void WritePartsList(ByteSink& out, PartsListFormat format, const model::TTitleFields& titles,
                    const model::TPartsList& parts, ReplacedTexts* replaced) {
    const Texts texts(replaced);
    switch (format) {
        case PartsListFormat::Csv:
            return WriteCsvList(out, titles, parts, texts);
        case PartsListFormat::Txt:
            return WriteTxtList(out, titles, parts, texts);
        case PartsListFormat::Njp:
            break;
    }
    WriteNjpList(out, titles, parts, texts);
}

std::string PartsListBytes(PartsListFormat format, const model::TTitleFields& titles,
                           const model::TPartsList& parts) {
    ByteSink out;
    WritePartsList(out, format, titles, parts);
    return out.Take();
}

}  // namespace output
