// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "output/NetlistFiles.h"
#include "output/OutputNames.h"
#include "output/PartsListFiles.h"
#include "support/Ce2Builder.h"
#include "support/RecordingViews.h"
#include "text/Cp932.h"
#include "text/Sjis.h"

namespace {

using text::Utf8ToCp932;

model::TPartRec& AddPart(model::TPartsList& parts, const std::string& ref, const std::string& name,
                         const std::string& maker = "", int amount = 1,
                         const std::string& note = "") {
    parts.Items.push_back(std::make_unique<model::TPartRec>(
        support::PartRecord({.Name = name, .Ref = ref, .LibName = "LIB"})));
    model::TPartRec& part = *parts.Items.back();
    text::CopyToField(part.MakerName, maker);
    text::CopyToField(part.Note, note);
    part.Amount = static_cast<std::int16_t>(amount);
    return part;
}

model::TTitleFields FullTitles() {
    model::TTitleFields t;
    t.Project = "AMP-2";
    t.DesignName = Utf8ToCp932("増幅器");
    t.DesignNumber = "DWG-7";
    t.Designer = Utf8ToCp932("山田");
    t.DesignDate = "2026/12/08";
    t.ListNumber = "DA4Z-100";
    return t;
}

class PartsListFilesTest : public ::testing::Test {
  protected:
    PartsListFilesTest() {
        AddPart(parts, "", "GND");  // no reference: never written
        AddPart(parts, "C1", "0.1u", "MURATA", 2).UnitNo = 1;
        AddPart(parts, "R0", "10k", "", 1, Utf8ToCp932("要確認"));
        AddPart(parts, "U3", "\"OP\"", "TI").UnitNo = 2;
    }
    model::TPartsList parts;
};

TEST_F(PartsListFilesTest, NjpWritesTaggedLinesAndOnlyFilledTitles) {
    std::string expected = Utf8ToCp932(
        "接続図\tDWG-7\r\n形式\tAMP-2\r\n図名\t増幅器\r\n設計\t山田\r\n設計日\t2026/12/"
        "08\r\n部品表\tDA4Z-100\r\n"
        "U:1\tG:C\tN:1\tP:0.1u\tM:MURATA\tK:2\r\n"
        "U:1\tG:R\tN:0\tP:10k\tM:\tK:1\tB:要確認\r\n"
        "U:2\tG:U\tN:3\tP:\"OP\"\tM:TI\tK:1\r\n");
    EXPECT_EQ(output::PartsListBytes(output::PartsListFormat::Njp, FullTitles(), parts), expected);

    model::TTitleFields some;
    some.DesignName = "X";
    std::string njp = output::PartsListBytes(output::PartsListFormat::Njp, some, parts);
    EXPECT_EQ(njp.substr(0, njp.find("U:")), Utf8ToCp932("図名\tX\r\n"));
}

TEST_F(PartsListFilesTest, CsvQuotesFieldsAndAddsTheNoteAsAFifth) {
    std::string expected = Utf8ToCp932(
        "\"接続図\",\"DWG-7\"\r\n\"形式\",\"AMP-2\"\r\n\"図名\",\"増幅器\"\r\n\"設計\",\"山田\"\r\n"
        "\"設計日\",\"2026/12/08\"\r\n\"部品表\",\"DA4Z-100\"\r\n"
        "\"C1\",\"0.1u\",\"MURATA\",2\r\n"
        "\"R0\",\"10k\",\"\",1,\"要確認\"\r\n"
        "\"U3\",\"\"OP\"\",\"TI\",1\r\n");
    EXPECT_EQ(output::PartsListBytes(output::PartsListFormat::Csv, FullTitles(), parts), expected);
    EXPECT_EQ(output::PartsListBytes(output::PartsListFormat::Csv, model::TTitleFields{}, parts)
                  .substr(0, 5),
              "\"C1\",");
}

TEST_F(PartsListFilesTest, TxtColumnsCountBytes) {
    std::string txt = output::PartsListBytes(output::PartsListFormat::Txt, FullTitles(), parts);
    std::string header1 = Utf8ToCp932("形式：") + "AMP-2" + std::string(25, ' ') +
                          Utf8ToCp932("部品表：") + "DA4Z-100" + std::string(12, ' ') +
                          Utf8ToCp932("設計　：山田") + "\r\n";
    std::string header2 = Utf8ToCp932("図名：増幅器") + std::string(24, ' ') +
                          Utf8ToCp932("接続図：") + "DWG-7" + std::string(15, ' ') +
                          Utf8ToCp932("設計日：") + "2026/12/08\r\n";
    std::string r0 = "R0" + std::string(8, ' ') + "10k" + std::string(37, ' ') +
                     std::string(20, ' ') + "1     " + Utf8ToCp932("要確認") + "\r\n";
    EXPECT_EQ(txt.substr(0, header1.size()), header1);
    EXPECT_EQ(txt.substr(header1.size(), header2.size()), header2);
    EXPECT_NE(txt.find(r0), std::string::npos);
    EXPECT_EQ(txt.find('\x0C'), std::string::npos);

    // Empty titles still give the header, blank-filled to the widths.
    std::string blank =
        output::PartsListBytes(output::PartsListFormat::Txt, model::TTitleFields{}, parts);
    EXPECT_EQ(blank.substr(0, 6 + 30 + 8),
              Utf8ToCp932("形式：") + std::string(30, ' ') + Utf8ToCp932("部品表："));
}

TEST(TxtPaging, FiftySevenPartLinesMakeAPage) {
    auto pages = [](int count) {
        model::TPartsList parts;
        for (int i = 1; i <= count; ++i) {
            AddPart(parts, "R" + std::to_string(i), "1k");
        }
        return output::PartsListBytes(output::PartsListFormat::Txt, model::TTitleFields{}, parts);
    };
    auto countOf = [](const std::string& s, const std::string& what) {
        std::size_t n = 0;
        for (std::size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + 1)) {
            ++n;
        }
        return n;
    };
    const std::string header = Utf8ToCp932("形式：");
    std::string full = pages(57);
    EXPECT_EQ(countOf(full, header), 1u);
    EXPECT_EQ(full.substr(full.size() - 3), "\r\n\x0C");  // the file ends with the page break
    std::string more = pages(58);
    EXPECT_EQ(countOf(more, header), 2u);
    EXPECT_NE(more.find("\r\n\x0C" + header), std::string::npos);
    EXPECT_EQ(more.substr(more.size() - 2), "\r\n");
    EXPECT_EQ(countOf(pages(114), "\x0C"), 2u);
    EXPECT_EQ(pages(0), "");
}

class NetlistFilesTest : public ::testing::Test {
  protected:
    NetlistFilesTest() {
        AddPart("C1", "1608", "0.1u", 2);
        AddPart("U1", "SOP8", "", 8);
        AddPart("R9", "1608", "10k", 0);  // no pins: in neither netlist
        AddPart("", "TP1", "TP", 1);      // no reference but pins: written under an empty one
    }
    void AddPart(const std::string& ref, const std::string& foot, const std::string& silk,
                 int pinCount) {
        auto part =
            std::make_unique<model::TPartRec>(support::PartRecord({.Ref = ref, .LibName = "X"}));
        part->FootPrint = foot;
        part->SilkName = silk;
        for (int i = 0; i < pinCount; ++i) {
            part->Pins.push_back(std::make_unique<model::TPinRec>());
        }
        parts.Items.push_back(std::move(part));
    }
    model::TNetRec& AddNet(const std::string& name, int pinCount, const std::string& ref = "U1") {
        nets.Items.push_back(std::make_unique<model::TNetRec>());
        model::TNetRec& net = *nets.Items.back();
        net.NetName = name;
        for (int i = 1; i <= pinCount; ++i) {
            auto pin = std::make_unique<model::TPinRec>();
            pin->SetRef(ref);
            pin->PinOrder = i;
            pin->PinNumber = "A" + std::to_string(i);
            net.Pins.push_back(pin.get());
            pins.push_back(std::move(pin));
        }
        return net;
    }
    static std::string Name(const model::TNetRec& net, int index) {
        const model::TPinRec& pin = *net.Pins[static_cast<std::size_t>(index)];
        return std::string(pin.RefText()) + "_" + pin.PinNumber;
    }

    model::TPartsList parts;
    model::TNetList nets;
    std::vector<std::unique_ptr<model::TPinRec>> pins;
};

TEST_F(NetlistFilesTest, SimpleNetlistWrapsEveryEighthPin) {
    AddNet("EIGHT", 8);
    AddNet("NINE", 9, "C1");
    AddNet("LONE", 0);
    std::string expected =
        "[PARTS]\r\nC1=1608,0.1u\r\nU1=SOP8\r\n=TP1,TP\r\n[NETS]\r\n"
        "EIGHT=U1_A1,U1_A2,U1_A3,U1_A4,U1_A5,U1_A6,U1_A7,U1_A8\r\n"
        "NINE=C1_A1,C1_A2,C1_A3,C1_A4,C1_A5,C1_A6,C1_A7,C1_A8\r\n\tC1_A9\r\n"
        "LONE\r\n";
    EXPECT_EQ(output::SimpleNetBytes(parts, nets, Name), expected);
    AddNet("SEVENTEEN", 17);
    std::string wrapped = output::SimpleNetBytes(parts, nets, Name);
    EXPECT_NE(wrapped.find("U1_A8\r\n\tU1_A9,"), std::string::npos);
    EXPECT_NE(wrapped.find("U1_A16\r\n\tU1_A17\r\n"), std::string::npos);
}

TEST_F(NetlistFilesTest, ProtelAlwaysUsesNumericPins) {
    AddNet("GND", 2);
    std::string expected =
        "[\r\nC1\r\n1608\r\n0.1u\r\n\r\n\r\n\r\n]\r\n"
        "[\r\nU1\r\nSOP8\r\n\r\n\r\n\r\n\r\n]\r\n"
        "[\r\n\r\nTP1\r\nTP\r\n\r\n\r\n\r\n]\r\n"
        "(\r\nGND\r\nU1-1\r\nU1-2\r\n)\r\n";
    EXPECT_EQ(output::ProtelNetBytes(parts, nets), expected);
}

}  // namespace

namespace {

using output::PartsListFormat;

TEST(OutputNames, ProposedNamesFollowTheDrawingOrTheListNumber) {
    EXPECT_EQ(output::ProposedPartsListName("", "", "/data/amp.ce2", PartsListFormat::Csv),
              "/data/amp.csv");
    EXPECT_EQ(output::ProposedSimpleNetName("", "/data/amp.ce2"), "/data/amp.net");
    EXPECT_EQ(output::ProposedProtelNetName("", "/data/amp.ce2"), "/data/amp_Protel.net");
    EXPECT_EQ(output::ProposedPartsListName("", "PL-100", "/data/amp.ce2", PartsListFormat::Njp),
              "PL-100.njp");
    // A remembered name keeps its folder and takes the current format's extension.
    EXPECT_EQ(
        output::ProposedPartsListName("/out/list.njp", "PL-100", "/d/a.ce2", PartsListFormat::Txt),
        "/out/list.txt");
    // Four bytes or less is no name: the derived one replaces it.
    EXPECT_EQ(output::ProposedPartsListName("a.nj", "", "/d/amp.ce2", PartsListFormat::Njp),
              "/d/amp.njp");
    EXPECT_EQ(output::ProposedSimpleNetName("mine.net", "/d/amp.ce2"), "mine.net");
}

TEST(OutputNames, ExtensionIsOnlyInTheLastPathPart) {
    EXPECT_EQ(output::ReplaceExtension("/a.b/noext", ".net"), "/a.b/noext.net");
    EXPECT_EQ(output::ReplaceExtension("C:\\v1.2\\sheet", ".net"), "C:\\v1.2\\sheet.net");
    EXPECT_EQ(output::ReplaceExtension("x.tar.gz", ".njp"), "x.tar.njp");
    // 表 ends in the backslash byte; it is a character, not a separator.
    EXPECT_EQ(output::ReplaceExtension("a.b\x95\x5C"
                                       "c",
                                       ".txt"),
              "a.txt");
}

}  // namespace
