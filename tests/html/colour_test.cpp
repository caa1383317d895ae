#include <gtest/gtest.h>

#include "html/page.h"

namespace {

struct ColourCase {
    html::TColor stored;  // red in bits 0-7
    const char* text;     // as the page writes it, red first
};

void PrintTo(const ColourCase& c, std::ostream* os) { *os << std::hex << c.stored; }

class ColourTextOf : public testing::TestWithParam<ColourCase> {};

TEST_P(ColourTextOf, StoredValue) {
    EXPECT_EQ(html::ColourText(html::RedBlueExchange(GetParam().stored)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, ColourTextOf,
                         testing::Values(ColourCase{0x563412, "123456"},
                                         ColourCase{0xFF, "FF0000"},
                                         // the high byte is dropped, not printed
                                         ColourCase{static_cast<html::TColor>(0x8000000F), "0F0000"},
                                         ColourCase{model::clBlack, "000000"},
                                         ColourCase{model::clWhite, "FFFFFF"}));

}  // namespace
