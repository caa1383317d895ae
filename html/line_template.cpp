#include "html/line_template.h"

#include <algorithm>
#include <charconv>

namespace html::detail {

void LineSpec::AppendTo(Lines& doc, const Fields& fields, int indent) const {
    std::size_t size = indent + literalSize_;
    for (std::size_t i = 0; i < count_; ++i) size += fields[pieces_[i].slot].size();
    // The line is added at its final size, blanks first, and the pieces are
    // copied into place after the indent.
    char* out = doc.AddBlanks(size) + indent;
    for (std::size_t i = 0; i < count_; ++i) {
        out = std::copy(pieces_[i].literal.begin(), pieces_[i].literal.end(), out);
        const std::string_view value = fields[pieces_[i].slot];
        out = std::copy(value.begin(), value.end(), out);
    }
}

void AppendLine(Lines& doc, const LineSpec& line) {
    static const Fields kNoFields;
    line.AppendTo(doc, kNoFields, line.indent());
}

void AppendBlock(Lines& doc, std::span<const LineSpec> block, const Fields& fields,
                 int layoutIndent) {
    for (const LineSpec& line : block)
        line.AppendTo(doc, fields, line.indent() == kLayoutIndent ? layoutIndent : line.indent());
}

DayText::DayText(int day) {
    const auto result = std::to_chars(digits_, digits_ + sizeof digits_, day);
    length_ = static_cast<std::size_t>(result.ptr - digits_);
}

}  // namespace html::detail
