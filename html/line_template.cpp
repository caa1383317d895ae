#include "html/line_template.h"

#include <charconv>
#include <cstring>

namespace html::detail {

void LineSpec::AppendTo(Lines& doc, const Fields& fields, int indent) const {
    std::size_t size = indent + literalSize_;
    for (std::size_t i = 0; i < count_; ++i) size += fields[pieces_[i].slot].size();
    // The line is made at its final size, blanks first, and the pieces are
    // copied into place: one allocation and no growth checks.
    std::string& line = doc.emplace_back(size, ' ');
    char* out = line.data() + indent;
    const auto put = [&out](std::string_view text) {
        if (text.empty()) return;  // an unset value has no data to copy
        std::memcpy(out, text.data(), text.size());
        out += text.size();
    };
    for (std::size_t i = 0; i < count_; ++i) {
        put(pieces_[i].literal);
        put(fields[pieces_[i].slot]);
    }
}

void AppendLine(Lines& doc, const LineSpec& spec) {
    static const Fields kNoFields;
    spec.AppendTo(doc, kNoFields, spec.indent());
}

void AppendBlock(Lines& doc, std::span<const LineSpec> block, const Fields& fields,
                 int layoutIndent) {
    for (const LineSpec& spec : block)
        spec.AppendTo(doc, fields, spec.indent() == kLayoutIndent ? layoutIndent : spec.indent());
}

DayText::DayText(int day) {
    const auto result = std::to_chars(digits_, digits_ + sizeof digits_, day);
    length_ = static_cast<std::size_t>(result.ptr - digits_);
}

}  // namespace html::detail
