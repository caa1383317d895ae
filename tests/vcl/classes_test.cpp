// The string list: lines appended into one buffer and read back as views.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "vcl/Classes.h"

namespace {

std::vector<std::string> Read(const TStrings& lines) {
    return {lines.begin(), lines.end()};
}

// Copied and in-place lines, empty ones included, keep their own bounds:
// nothing runs into its neighbour, and the text has exactly one CR LF after
// each of them.
TEST(TStrings, AddedAndFilledLinesReadBackInOrder) {
    TStrings lines{"<html>", ""};
    lines.Add("abc");
    char* filled = lines.AddBlanks(6);
    filled[2] = 'x';
    filled[5] = 'y';
    lines.AddBlanks(0);
    lines.Add("日記入欄");

    const std::vector<std::string> expected = {"<html>", "", "abc", "  x  y", "", "日記入欄"};
    ASSERT_EQ(lines.Count(), 6);
    EXPECT_EQ(Read(lines), expected);
    for (int i = 0; i < lines.Count(); ++i) EXPECT_EQ(lines[i], expected[i]) << i;
    EXPECT_EQ(lines.Text(), "<html>\r\n\r\nabc\r\n  x  y\r\n\r\n日記入欄\r\n");
    EXPECT_THROW(lines[6], std::out_of_range);
    EXPECT_THROW(lines[-1], std::out_of_range);
}

// Many lines of varied length move both buffers many times over, and making
// room halfway moves the lines written so far once more; every line still
// reads back whole, and a line filled in place keeps what was written.
TEST(TStrings, LinesSurviveGrowthOfTheBuffer) {
    TStrings lines;
    std::vector<std::string> expected;
    for (int i = 0; i < 2000; ++i) {
        if (i == 1000) lines.Reserve(1500, 30000);  // room for some, not all, of the rest
        std::string line(i % 37, static_cast<char>('a' + i % 26));
        line += std::to_string(i);
        if (i % 2 == 0) {
            lines.Add(line);
        } else {
            char* out = lines.AddBlanks(line.size());
            line.copy(out, line.size());
        }
        expected.push_back(line);
    }
    ASSERT_EQ(lines.Count(), 2000);
    EXPECT_EQ(Read(lines), expected);
    EXPECT_EQ(lines[1999], expected[1999]);
}

}  // namespace
