// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "text/ShortText.h"
#include "text/TextField.h"

namespace {

using text::ShortText;

// Texts on both sides of the inline limit, with a NUL and a double-byte character inside,
// survive every way of copying, moving and assigning.
TEST(ShortText, KeepsEveryTextWhetherInsideOrOnTheHeap) {
    const std::vector<std::string> samples = {"",
                                              "R1",
                                              std::string("a\0b", 3),
                                              "123456789012345",
                                              "1234567890123456",
                                              "\x95\x5C\x95\x5C" + std::string(40, 'x')};
    for (const std::string& s : samples) {
        ShortText made(s);
        EXPECT_EQ(made.View(), s);
        EXPECT_EQ(made.empty(), s.empty());
        ShortText copied(made);
        ShortText assigned;
        assigned = made;
        ShortText moved(std::move(copied));
        EXPECT_EQ(moved, made);
        EXPECT_EQ(assigned, s);
        EXPECT_TRUE(copied.empty());  // a moved-from text is left empty
        ShortText moveAssigned("old text longer than fifteen bytes");
        moveAssigned = std::move(moved);
        EXPECT_EQ(moveAssigned.str(), s);
        EXPECT_EQ("<" + moveAssigned + ">", "<" + s + ">");
    }
}

TEST(ShortText, AssigningItsOwnTextOrAPartOfItWorks) {
    ShortText t("a label longer than the inline room");
    const ShortText& same = t;
    t = same;
    EXPECT_EQ(t, "a label longer than the inline room");
    t = t.View().substr(2, 5);
    EXPECT_EQ(t, "label");
    t = t.View().substr(1);
    EXPECT_EQ(t, "abel");
}

// The field keeps what the fixed char array would, whatever its room inside.
TEST(TextField, CutsAsTheFixedFieldWould) {
    text::TextField<8> f("ABCDEFGHIJ");
    EXPECT_EQ(text::FieldText(f), "ABCDEFG");
    text::CopyToField(f, "ABCDEF\x95\x5C");  // the double-byte character does not fit whole
    EXPECT_EQ(text::FieldText(f), "ABCDEF");
    text::CopyToField(f, std::string("AB\0CD", 5));
    EXPECT_EQ(text::FieldText(f), "AB");
    EXPECT_EQ(f, text::TextField<8>("AB"));
}

}  // namespace
