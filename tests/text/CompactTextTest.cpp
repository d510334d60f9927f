// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "text/PooledText.h"
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

// A pooled text is kept once: equal texts compare and point alike, whatever their length,
// and a text stays where it is while hundreds of thousands more are added after it.
TEST(PooledText, KeepsEachTextOnceAndInPlace) {
    const std::string longText(100000, 'w');
    const std::vector<std::string> samples = {"", "1", std::string("a\0b", 3), "\x95\x5C",
                                              longText};
    for (const std::string& s : samples) {
        text::PooledText made(s), again(std::string(s.data(), s.size()));
        EXPECT_EQ(made.View(), s);
        EXPECT_EQ(made, again);
        EXPECT_EQ(made.empty(), s.empty());
        if (!s.empty()) {
            EXPECT_EQ(made.data(), again.data());
        }
    }
    EXPECT_FALSE(text::PooledText("1") == text::PooledText("2"));
    EXPECT_TRUE(text::PooledText() == text::PooledText(""));

    const text::PooledText first("pooled text kept in place");
    const char* const at = first.data();
    std::vector<text::PooledText> many;
    for (int i = 0; i < 300000; ++i) {
        many.emplace_back("pooled " + std::to_string(i));
    }
    EXPECT_EQ(first.data(), at);
    EXPECT_EQ(first.View(), "pooled text kept in place");
    EXPECT_EQ(many[0].View(), "pooled 0");
    EXPECT_EQ(many.back().View(), "pooled 299999");
}

// Two threads pooling the same texts at once get the same numbers, so equal texts stay equal.
TEST(PooledText, ThreadsPoolingTogetherAgree) {
    constexpr int kTexts = 20000;
    std::vector<text::PooledText> a(kTexts), b(kTexts);
    auto pool = [](std::vector<text::PooledText>& into) {
        for (int i = 0; i < kTexts; ++i) {
            into[static_cast<std::size_t>(i)] = "thread " + std::to_string(i);
        }
    };
    std::thread other(pool, std::ref(b));
    pool(a);
    other.join();
    for (int i = 0; i < kTexts; ++i) {
        ASSERT_EQ(a[static_cast<std::size_t>(i)], b[static_cast<std::size_t>(i)]);
        ASSERT_EQ(a[static_cast<std::size_t>(i)].View(), "thread " + std::to_string(i));
    }
}

}  // namespace
