#include "output/PartsListFiles.h"

#include <utility>
#include <vector>

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

template <typename Fn>
void ForEachWrittenPart(const model::TPartsList& parts, Fn fn) {
    for (const auto& part : parts.Items) {
        if (part->HasRef()) {
            fn(*part);
        }
    }
}

void WriteNjpList(ByteSink& out, const model::TTitleFields& titles,
                  const model::TPartsList& parts) {
    for (const auto& [tag, field] : TitleLines(titles)) {
        if (!field->empty()) {
            out += tag + "\t" + *field + kCrLf;
        }
    }
    ForEachWrittenPart(parts, [&](const model::TPartRec& p) {
        out += "U:" + std::to_string(p.UnitNo) + "\tG:" + std::string(p.RefPrefixText()) +
               "\tN:" + std::to_string(p.RefNumber) + "\tP:" + std::string(p.CvtNameText()) +
               "\tM:" + std::string(p.MakerNameText()) + "\tK:" + std::to_string(p.Amount);
        if (!p.NoteText().empty()) {
            out += "\tB:" + std::string(p.NoteText());
        }
        out += kCrLf;
    });
    out.Flush();
}

void WriteCsvList(ByteSink& out, const model::TTitleFields& titles,
                  const model::TPartsList& parts) {
    for (const auto& [tag, field] : TitleLines(titles)) {
        if (!field->empty()) {
            out += "\"" + tag + "\",\"" + *field + "\"" + kCrLf;
        }
    }
    // Quotes inside values stay as they are: the files are read back by tools that expect it.
    ForEachWrittenPart(parts, [&](const model::TPartRec& p) {
        out += "\"" + Reference(p) + "\",\"" + std::string(p.CvtNameText()) + "\",\"" +
               std::string(p.MakerNameText()) + "\"," + std::to_string(p.Amount);
        if (!p.NoteText().empty()) {
            out += ",\"" + std::string(p.NoteText()) + "\"";
        }
        out += kCrLf;
    });
    out.Flush();
}

void WriteTxtList(ByteSink& out, const model::TTitleFields& titles,
                  const model::TPartsList& parts) {
    const std::string project = text::Utf8ToCp932("形式：");
    const std::string listNumber = text::Utf8ToCp932("部品表：");
    const std::string designer = text::Utf8ToCp932("設計　：");
    const std::string designName = text::Utf8ToCp932("図名：");
    const std::string designNumber = text::Utf8ToCp932("接続図：");
    const std::string designDate = text::Utf8ToCp932("設計日：");

    int lineOnPage = 0;
    ForEachWrittenPart(parts, [&](const model::TPartRec& p) {
        if (lineOnPage == 0) {
            out += project + text::PadRight(titles.Project, 30) + listNumber +
                   text::PadRight(titles.ListNumber, 20) + designer + titles.Designer + kCrLf;
            out += designName + text::PadRight(titles.DesignName, 30) + designNumber +
                   text::PadRight(titles.DesignNumber, 20) + designDate + titles.DesignDate + kCrLf;
        }
        out += text::PadRight(Reference(p), 10) + text::PadRight(p.CvtNameText(), 40) +
               text::PadRight(p.MakerNameText(), 20) + text::PadRight(std::to_string(p.Amount), 6) +
               std::string(p.NoteText()) + kCrLf;
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
                    const model::TPartsList& parts) {
    switch (format) {
        case PartsListFormat::Csv:
            return WriteCsvList(out, titles, parts);
        case PartsListFormat::Txt:
            return WriteTxtList(out, titles, parts);
        case PartsListFormat::Njp:
            break;
    }
    WriteNjpList(out, titles, parts);
}

std::string PartsListBytes(PartsListFormat format, const model::TTitleFields& titles,
                           const model::TPartsList& parts) {
    ByteSink out;
    WritePartsList(out, format, titles, parts);
    return out.Take();
}

}  // namespace output
