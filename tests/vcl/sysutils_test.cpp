#include <gtest/gtest.h>

#include <climits>
#include <optional>

#include "vcl/SysUtils.h"

namespace {

struct Conversion {
    const char* text;
    std::optional<std::int32_t> value;  // nullopt: not an integer
};

const Conversion kConversions[] = {
    {"2000", 2000},
    {"0", 0},
    {"007", 7},
    {" 7", 7},
    {"   12", 12},
    {"+7", 7},
    {"-1", -1},
    {"-0", 0},
    {"2147483647", INT32_MAX},
    {"-2147483648", INT32_MIN},
    {"2147483648", std::nullopt},
    {"-2147483649", std::nullopt},
    {"99999999999999999999", std::nullopt},
    {"$C", 12},
    {"$c", 12},
    {"xff", 255},
    {"XFF", 255},
    {"0x7D0", 2000},
    {"0X7d0", 2000},
    {" $10", 16},
    {"$FFFFFFFF", -1},
    {"$80000000", INT32_MIN},
    {"$000000001", 1},
    {"$100000000", std::nullopt},
    {"", std::nullopt},
    {" ", std::nullopt},
    {"7 ", std::nullopt},
    {"abc", std::nullopt},
    {"+", std::nullopt},
    {"-", std::nullopt},
    {"$", std::nullopt},
    {"0x", std::nullopt},
    {"-$5", std::nullopt},
    {"+0x5", std::nullopt},
    {"$-5", std::nullopt},
    {"$G", std::nullopt},
    {"- 5", std::nullopt},
    {"\t5", std::nullopt},
    {"1e3", std::nullopt},
    {"12a", std::nullopt},
    {"０", std::nullopt},  // a full-width digit is not a digit
};

TEST(StrToInt, AcceptsTheDocumentedFormsOnly) {
    for (const Conversion& c : kConversions) {
        SCOPED_TRACE(std::string("text '") + c.text + "'");
        EXPECT_EQ(TryStrToInt(c.text), c.value);
        if (c.value) {
            EXPECT_EQ(StrToInt(c.text), *c.value);
        } else {
            EXPECT_THROW(StrToInt(c.text), EConvertError);
        }
    }
}

TEST(StrToInt, ErrorQuotesTheTextAsTyped) {
    try {
        StrToInt(" 7 ");
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "' 7 ' は整数ではありません");
    }
    // A NUL byte does not cut the message short.
    const std::string withNul("1\0" "2", 3);
    try {
        StrToInt(withNul);
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'" + withNul + "' は整数ではありません");
    }
}

TEST(IntToHex, UpperCaseWithMinimumWidth) {
    EXPECT_EQ(IntToHex(0x123456, 6), "123456");
    EXPECT_EQ(IntToHex(0xff, 6), "0000FF");
    EXPECT_EQ(IntToHex(0, 6), "000000");
    EXPECT_EQ(IntToHex(0xABCDEF12u, 6), "ABCDEF12");
    EXPECT_EQ(IntToHex(0, 0), "0");
}

TEST(Format, ReplacesThePlaceholder) {
    EXPECT_EQ(Format(SFCreateError, "/tmp/a b.htm"), "ﾌｧｲﾙ /tmp/a b.htm を作成できません");
    EXPECT_EQ(IntToStr(-42), "-42");
}

}  // namespace
