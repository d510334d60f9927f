// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/GroupedPartsList.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "text/Compare.h"

namespace output {
namespace {

constexpr const char* kCrLf = "\r\n";

struct FieldName {
    BomField Field;
    const char* Name;    // as --fields takes it
    const char* Header;  // the header row's column name
};

constexpr FieldName kFieldNames[] = {
    {BomField::References, "references", "References"},
    {BomField::Quantity, "quantity", "Quantity"},
    {BomField::Name, "name", "Name"},
    {BomField::Maker, "maker", "Maker"},
    {BomField::Group, "group", "Group"},
    {BomField::Footprint, "footprint", "Footprint"},
    {BomField::Silk, "silk", "Silk"},
    {BomField::Note, "note", "Note"},
    {BomField::Designer, "designer", "Designer"},
    {BomField::DesignDate, "design-date", "Design date"},
    {BomField::Project, "project", "Project"},
    {BomField::DesignName, "design-name", "Design name"},
    {BomField::DesignNumber, "design-number", "Design number"},
    {BomField::ListNumber, "list-number", "Parts list number"},
};

const FieldName& NameOf(BomField field) {
    for (const FieldName& name : kFieldNames) {
        if (name.Field == field) {
            return name;
        }
    }
    return kFieldNames[0];
}

// RFC 4180: a field with a comma, a quote or a line break is quoted, its quotes doubled.
std::string CsvField(std::string_view value) {
    if (value.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(value);
    }
    std::string quoted = "\"";
    for (char c : value) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

// One row: the parts of one converted name, maker, footprint and silk name.
struct Row {
    const model::TPartRec* First = nullptr;
    std::vector<BomReference> References;
    long Quantity = 0;
    std::vector<std::string> Notes;  // distinct, in list order
};

std::string RowText(const Row& row, BomField field, const BomOptions& options,
                    const model::TTitleFields& titles, const GroupNameFn& groupName) {
    const model::TPartRec& part = *row.First;
    switch (field) {
        case BomField::References:
            return ReferenceList(row.References, options.Ranges);
        case BomField::Quantity:
            return std::to_string(row.Quantity);
        case BomField::Name:
            return std::string(part.CvtNameText());
        case BomField::Maker:
            return std::string(part.MakerNameText());
        case BomField::Group:
            return groupName ? groupName(part.NameCvtIndex) : std::string();
        case BomField::Footprint:
            return part.FootPrint.str();
        case BomField::Silk:
            return part.SilkName.str();
        case BomField::Note: {
            std::string notes;
            for (const std::string& note : row.Notes) {
                notes += (notes.empty() ? "" : "; ") + note;
            }
            return notes;
        }
        case BomField::Designer:
            return titles.Designer;
        case BomField::DesignDate:
            return titles.DesignDate;
        case BomField::Project:
            return titles.Project;
        case BomField::DesignName:
            return titles.DesignName;
        case BomField::DesignNumber:
            return titles.DesignNumber;
        case BomField::ListNumber:
            return titles.ListNumber;
    }
    return {};
}

std::vector<Row> Rows(const model::TPartsList& parts) {
    std::vector<Row> rows;
    using Key = std::tuple<std::string, std::string, std::string, std::string>;
    std::map<Key, std::size_t> index;
    for (const auto& each : parts.Items) {
        const model::TPartRec& part = *each;
        if (!part.HasRef()) {
            continue;
        }
        Key key{std::string(part.CvtNameText()), std::string(part.MakerNameText()),
                part.FootPrint.str(), part.SilkName.str()};
        auto [at, added] = index.emplace(key, rows.size());
        if (added) {
            rows.push_back({&part, {}, 0, {}});
        }
        Row& row = rows[at->second];
        row.References.push_back(BomReferenceOf(part));
        row.Quantity += part.Amount;
        const std::string note(part.NoteText());
        if (!note.empty() &&
            std::find(row.Notes.begin(), row.Notes.end(), note) == row.Notes.end()) {
            row.Notes.push_back(note);
        }
    }
    return rows;
}

}  // namespace

std::optional<std::vector<BomField>> ParseBomFields(std::string_view list, std::string& error) {
    std::vector<BomField> fields;
    while (true) {
        const std::size_t comma = list.find(',');
        std::string_view name = list.substr(0, comma);
        while (!name.empty() && name.front() == ' ') {
            name.remove_prefix(1);
        }
        while (!name.empty() && name.back() == ' ') {
            name.remove_suffix(1);
        }
        bool known = false;
        for (const FieldName& field : kFieldNames) {
            if (text::EqualAsciiNoCase(name, field.Name)) {
                fields.push_back(field.Field);
                known = true;
            }
        }
        if (!known) {
            error = "unknown field \"" + std::string(name) + "\" (fields: " + BomFieldNames() + ")";
            return std::nullopt;
        }
        if (comma == std::string_view::npos) {
            return fields;
        }
        list.remove_prefix(comma + 1);
    }
}

std::string BomFieldNames() {
    std::string names;
    for (const FieldName& field : kFieldNames) {
        names += (names.empty() ? "" : ",") + std::string(field.Name);
    }
    return names;
}

BomReference BomReferenceOf(const model::TPartRec& part) {
    BomReference reference;
    reference.Text = std::string(part.RefText());
    reference.Prefix = std::string(part.RefPrefixText());
    reference.Number = part.RefNumber;
    reference.Plain = reference.Text == reference.Prefix + std::to_string(part.RefNumber) &&
                      reference.Text.size() > reference.Prefix.size();
    return reference;
}

std::string ReferenceList(const std::vector<BomReference>& references, bool ranges) {
    std::string list;
    auto add = [&list](const std::string& item) { list += (list.empty() ? "" : ", ") + item; };
    for (std::size_t i = 0; i < references.size();) {
        std::size_t end = i + 1;
        if (ranges && references[i].Plain) {
            while (end < references.size() && references[end].Plain &&
                   references[end].Prefix == references[i].Prefix &&
                   references[end].Number == references[end - 1].Number + 1) {
                ++end;
            }
        }
        if (end - i >= 3) {
            add(references[i].Text + "-" + references[end - 1].Text);
        } else {
            for (std::size_t k = i; k < end; ++k) {
                add(references[k].Text);
            }
        }
        i = end;
    }
    return list;
}

void WriteGroupedPartsList(ByteSink& out, const BomOptions& options,
                           const model::TTitleFields& titles, const model::TPartsList& parts,
                           const GroupNameFn& groupName) {
    out += FileStart(options.Encoding);
    std::string header;
    for (BomField field : options.Fields) {
        header += (header.empty() ? "" : ",") + CsvField(NameOf(field).Header);
    }
    out += header + kCrLf;
    for (const Row& row : Rows(parts)) {
        std::string line;
        for (std::size_t i = 0; i < options.Fields.size(); ++i) {
            const std::string value = RowText(row, options.Fields[i], options, titles, groupName);
            line += (i == 0 ? "" : ",") + CsvField(Encoded(value, options.Encoding));
        }
        out += line + kCrLf;
    }
    out.Flush();
}

std::string GroupedPartsListBytes(const BomOptions& options, const model::TTitleFields& titles,
                                  const model::TPartsList& parts, const GroupNameFn& groupName) {
    ByteSink out;
    WriteGroupedPartsList(out, options, titles, parts, groupName);
    return out.Take();
}

}  // namespace output
