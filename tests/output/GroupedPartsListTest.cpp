// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>

#include "output/GroupedPartsList.h"
#include "support/Ce2Builder.h"
#include "text/Cp932.h"

namespace {

using output::BomField;

class GroupedPartsListTest : public ::testing::Test {
  protected:
    model::TPartRec& Add(const std::string& ref, const std::string& name,
                         const std::string& foot = "R1608") {
        auto part =
            std::make_unique<model::TPartRec>(support::PartRecord({.Ref = ref, .LibName = "X"}));
        text::CopyToField(part->CvtName, name);
        part->FootPrint = foot;
        parts.Items.push_back(std::move(part));
        return *parts.Items.back();
    }
    std::string Bytes(const output::BomOptions& options = {}) {
        return output::GroupedPartsListBytes(options, titles, parts,
                                             [](int group) { return "G" + std::to_string(group); });
    }

    model::TPartsList parts;
    model::TTitleFields titles;
};

TEST_F(GroupedPartsListTest, ReferencesRunAsRangesOnlyWhereTheNumbersDo) {
    // R1-R4 in a row, then a gap; a suffix and leading zeros never join a range; numbers
    // past 32767 keep counting.
    for (const char* ref : {"R1", "R2", "R3", "R4", "R7", "R8", "R12A", "R13", "R14", "R015",
                            "R40000", "R40001", "R40002"}) {
        Add(ref, "10k");
    }
    Add("", "10k");  // no reference: left out as the parts list leaves it out
    EXPECT_EQ(Bytes(),
              "References,Quantity,Name,Maker,Footprint\r\n"
              "\"R1-R4, R7, R8, R12A, R13, R14, R015, R40000-R40002\",13,10k,,R1608\r\n");
    output::BomOptions listed;
    listed.Ranges = false;
    EXPECT_NE(Bytes(listed).find("\"R1, R2, R3, R4, R7,"), std::string::npos);
}

TEST_F(GroupedPartsListTest, RowsPerNameMakerFootprintAndSilkWithTheChosenFields) {
    model::TPartRec& c1 = Add("C1", "0.1u", "C1608");
    Add("C2", "0.1u", "C2012");  // another footprint: another row
    model::TPartRec& c3 = Add("C3", "0.1u", "C1608");
    c1.Amount = 2;
    text::CopyToField(c1.Note, "x7r");
    text::CopyToField(c3.Note, "x7r");
    c1.NameCvtIndex = 3;
    titles.ListNumber = "PL-1";
    output::BomOptions options;
    std::string error;
    options.Fields = *output::ParseBomFields("quantity, REFERENCES,group,note,list-number", error);
    EXPECT_EQ(Bytes(options),
              "Quantity,References,Group,Note,Parts list number\r\n"
              "3,\"C1, C3\",G3,x7r,PL-1\r\n"
              "1,C2,G-1,,PL-1\r\n");
    EXPECT_FALSE(output::ParseBomFields("name,price", error));
    EXPECT_NE(error.find("\"price\""), std::string::npos);
}

// RFC 4180 as spreadsheets and Python's csv module read it: quotes doubled, fields with a
// comma, a quote or a line break quoted, CP932 turned into UTF-8 (with or without the
// byte order mark), or kept as CP932 when asked.
TEST_F(GroupedPartsListTest, QuotingAndEncodings) {
    Add("U1", text::Utf8ToCp932("抵抗\"A\",B"));
    Add("U2", "two\r\nlines");
    output::BomOptions options;
    options.Fields = {BomField::References, BomField::Name};
    EXPECT_EQ(Bytes(options),
              "References,Name\r\nU1,\"抵抗\"\"A\"\",B\"\r\nU2,\"two\r\nlines\"\r\n");
    options.Encoding = output::TextEncoding::Utf8WithBom;
    EXPECT_EQ(Bytes(options).substr(0, 13), "\xEF\xBB\xBFReferences");
    options.Encoding = output::TextEncoding::Cp932;
    EXPECT_NE(Bytes(options).find(text::Utf8ToCp932("抵抗")), std::string::npos);
    EXPECT_EQ(output::EncodingNamed("UTF-8-BOM"), output::TextEncoding::Utf8WithBom);
    EXPECT_FALSE(output::EncodingNamed("latin1"));
}

}  // namespace
