// The saved bytes: code page 932, CR LF after every line, no byte-order mark.
#include <gtest/gtest.h>

#include "html/file.h"
#include "page_builder.h"
#include "vcl/SysUtils.h"

namespace {

TEST(EncodeDocument, KanjiAndIdeographicSpaceAsShiftJis) {
    const html::Lines doc = {"<html>", "日月火水木金土", "\u3000<!-- 9日記入欄 -->", " ",
                             "<title> 2025年10月 </title>"};
    EXPECT_EQ(html::EncodeDocument(doc),
              "<html>\r\n"
              "\x93\xFA\x8C\x8E\x89\xCE\x90\x85\x96\xD8\x8B\xE0\x93\x79\r\n"
              "\x81\x40<!-- 9\x93\xFA\x8B\x4C\x93\xFC\x97\x93 -->\r\n"
              " \r\n"
              "<title> 2025\x94\x4E"
              "10\x8C\x8E </title>\r\n");
}

// Number of characters of three UTF-8 bytes (all of them two bytes in
// code page 932); the page has no other non-ASCII characters.
std::size_t ThreeByteChars(std::string_view utf8) {
    std::size_t n = 0;
    for (unsigned char c : utf8) n += (c & 0xF0) == 0xE0;
    return n;
}

TEST(EncodeDocument, EveryLineEndsInCrLfAndKeepsItsBytes) {
    const html::Lines doc = html_test::BuildPage({"2025", "3", 2, 3, 1});
    const std::string bytes = html::EncodeDocument(doc);

    std::size_t expectedSize = 0, at = 0;
    for (std::string_view line : doc) {
        const std::size_t size = line.size() - ThreeByteChars(line);
        expectedSize += size + 2;
        ASSERT_EQ(bytes.substr(at + size, 2), "\r\n") << line;
        if (ThreeByteChars(line) == 0) {
            EXPECT_EQ(bytes.substr(at, size), line);
        }
        at += size + 2;
    }
    EXPECT_EQ(bytes.size(), expectedSize);
    EXPECT_EQ(bytes.rfind("<html>\r\n<head>\r\n", 0), 0u);  // no byte-order mark
    EXPECT_TRUE(bytes.ends_with("</html>\r\n"));
}

class Unencodable : public testing::TestWithParam<const char*> {};

TEST_P(Unencodable, RaisesWriteError) {
    const html::Lines doc = {"<html>", GetParam(), "</html>"};
    try {
        html::EncodeDocument(doc);
        FAIL() << "no error";
    } catch (const EWriteError& e) {
        EXPECT_EQ(e.Message(), SWriteError);
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, Unencodable,
                         testing::Values("caf\u00e9",          // no such character in 932
                                         "\U0001F600",         // outside the basic plane
                                         "\xff",               // not UTF-8
                                         "\xe6\x97",           // cut-off character at the end
                                         "\xe6\x97<!-- -->"),  // cut off before ASCII
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

}  // namespace
