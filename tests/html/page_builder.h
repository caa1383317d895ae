// Builds a whole page the way the window does at steps 1 to 3, from the
// options and colour assignments of one row of a page table.
#pragma once

#include <string>

#include "html/page.h"

namespace html_test {

struct PageOptions {
    std::string yearText;
    std::string monthText;
    int typeNo = 0;
    int youbiNo = 0;
    int memoranNo = 0;
    // "-" or ";"-separated "target=RRGGBB": class targets (sun.font, sun.base,
    // sat.*, wk.*, memo.*) recolour the sample labels, then every day takes its
    // class colours, then day targets (day5.font, day5.base) apply in order.
    std::string colours = "-";
};

html::Lines BuildPage(const PageOptions& options);

// A colour written red first (RRGGBB) as the stored value, red in bits 0-7.
html::TColor StoredColour(const std::string& rrggbb);

}  // namespace html_test
