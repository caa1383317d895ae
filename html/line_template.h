// Page lines kept as data: each line is an indent and a text in which a
// placeholder in braces ({d}, {bg}, ...) stands for a value of the cell being
// written. The page's own text never contains braces, so no escaping is needed.
// The texts are split at their placeholders when the program is compiled; an
// unknown placeholder does not compile.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "html/page.h"

namespace html::detail {

enum class Slot : std::uint8_t {
    kNone,    // no placeholder: the end of the line
    kDay,     // {d}: the day number
    kName,    // {name}: the weekday label
    kBg,      // {bg}: background colour text of the cell
    kFg,      // {fg}: font colour text of the cell
    kMemoBg,  // {mbg}: memo background colour text
    kMemoFg,  // {mfg}: memo font colour text
    kYear,    // {y}: the year as typed
    kMonth,   // {m}: the month as typed
    kCount
};

// The values that the placeholders stand for while one block is written.
class Fields {
public:
    std::string_view& operator[](Slot slot) { return values_[static_cast<std::size_t>(slot)]; }
    std::string_view operator[](Slot slot) const {
        return values_[static_cast<std::size_t>(slot)];
    }

private:
    std::array<std::string_view, static_cast<std::size_t>(Slot::kCount)> values_{};
};

// An indent that depends on the layout; AppendBlock's layoutIndent supplies it.
inline constexpr int kLayoutIndent = -1;

class LineSpec {
public:
    consteval LineSpec(int indent, std::string_view text) : indent_(indent) {
        for (;;) {
            const auto open = text.find('{');
            Piece& piece = pieces_[count_++];
            piece.literal = text.substr(0, open);
            literalSize_ += piece.literal.size();
            if (open == std::string_view::npos) break;
            const auto close = text.find('}', open);
            piece.slot = SlotNamed(text.substr(open + 1, close - open - 1));
            text.remove_prefix(close + 1);
        }
    }

    int indent() const { return indent_; }

    // Appends the line, `indent` blanks first, with its placeholders filled.
    void AppendTo(Lines& doc, const Fields& fields, int indent) const;

private:
    struct Piece {
        std::string_view literal;  // written first
        Slot slot = Slot::kNone;   // then this value
    };
    static constexpr std::size_t kMaxPieces = 4;

    static consteval Slot SlotNamed(std::string_view name) {
        if (name == "d") return Slot::kDay;
        if (name == "name") return Slot::kName;
        if (name == "bg") return Slot::kBg;
        if (name == "fg") return Slot::kFg;
        if (name == "mbg") return Slot::kMemoBg;
        if (name == "mfg") return Slot::kMemoFg;
        if (name == "y") return Slot::kYear;
        if (name == "m") return Slot::kMonth;
        throw "unknown placeholder in a line table";
    }

    int indent_;
    std::size_t literalSize_ = 0;
    std::size_t count_ = 0;
    std::array<Piece, kMaxPieces> pieces_{};
};

// A line table as a span of dynamic extent, so that tables of different
// lengths can be chosen between.
template <std::size_t N>
constexpr std::span<const LineSpec> Block(const LineSpec (&lines)[N]) {
    return {lines, N};
}

// Appends one line without placeholders.
void AppendLine(Lines& doc, const LineSpec& line);

// Appends every line of `block` in order.
void AppendBlock(Lines& doc, std::span<const LineSpec> block, const Fields& fields,
                 int layoutIndent = 0);

// The decimal text of a day number 1 to 31, kept in a caller's buffer.
class DayText {
public:
    explicit DayText(int day);
    std::string_view view() const { return {digits_, length_}; }

private:
    char digits_[12];
    std::size_t length_;
};

}  // namespace html::detail
