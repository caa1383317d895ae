// Whole pages compared byte for byte with the stored pages listed in
// ../golden/cases.tsv (tests run in tests/html).
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "html/file.h"
#include "page_builder.h"

namespace {

constexpr const char* kTable = "../golden/cases.tsv";
constexpr const char* kPageDir = "../golden/";

struct GoldenCase {
    std::string file;
    html_test::PageOptions options;
};

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');) fields.push_back(field);
    return fields;
}

// Every row after the header line; a row that does not have seven fields is
// kept with an empty file name so that it fails visibly.
std::vector<GoldenCase> LoadCases() {
    std::vector<GoldenCase> cases;
    std::ifstream in(kTable);
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        const auto f = SplitTabs(line);
        if (f.size() != 7) {
            cases.push_back({"", {}});
            continue;
        }
        cases.push_back({f[0], {f[1], f[2], std::stoi(f[3]), std::stoi(f[4]), std::stoi(f[5]), f[6]}});
    }
    return cases;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::string> SplitCrLf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    if (start < bytes.size()) lines.push_back(bytes.substr(start));
    return lines;
}

std::string Printable(const std::string& bytes) {
    std::string out;
    for (unsigned char c : bytes) {
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return out;
}

// Names the first line where the two files differ.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
    const auto want = SplitCrLf(expected), got = SplitCrLf(actual);
    for (std::size_t i = 0; i < std::max(want.size(), got.size()); ++i) {
        const std::string w = i < want.size() ? want[i] : "<no line>";
        const std::string g = i < got.size() ? got[i] : "<no line>";
        if (w != g)
            return "first difference at line " + std::to_string(i + 1) + "\n  expected: [" +
                   Printable(w) + "]\n  actual:   [" + Printable(g) + "]";
    }
    return "same lines, different line ends";
}

void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.file; }

class GoldenPage : public testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenPage, MatchesByteForByte) {
    const GoldenCase& c = GetParam();
    ASSERT_FALSE(c.file.empty()) << "malformed row in " << kTable;
    const std::string expected = ReadFile(kPageDir + c.file);
    ASSERT_FALSE(expected.empty()) << "missing page " << c.file;
    const std::string actual = html::EncodeDocument(html_test::BuildPage(c.options));
    if (actual != expected) FAIL() << c.file << ": " << FirstDifference(expected, actual);
}

std::string CaseName(const testing::TestParamInfo<GoldenCase>& info) {
    std::string name = std::to_string(info.index) + "_";
    for (char ch : info.param.file.substr(0, info.param.file.rfind('.')))
        name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Pages, GoldenPage, testing::ValuesIn(LoadCases()), CaseName);

// Guards against a table that silently yields no cases (wrong folder).
TEST(GoldenTable, HasRows) { EXPECT_FALSE(LoadCases().empty()) << kTable; }

}  // namespace
