// TryStrToInt and StrToInt over arbitrary bytes, checked against a second,
// deliberately plain reading of the accepted forms:
//   spaces*  [+|-] decimal digits            value within int32
//   spaces*  ($|x|X|0x|0X) hex digits        value <= FFFFFFFF, taken as int32 bits
// and nothing else: no other blank, no sign with hex, nothing after the digits.
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "vcl/SysUtils.h"

namespace {

bool AllOf(std::string_view s, bool (*pred)(char)) {
    for (char c : s)
        if (!pred(c)) return false;
    return true;
}
bool IsDec(char c) { return c >= '0' && c <= '9'; }
bool IsHex(char c) { return IsDec(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

std::optional<std::int32_t> ReadHexDigits(std::string_view digits) {
    if (digits.empty() || !AllOf(digits, IsHex)) return std::nullopt;
    // Leading zeros are free; what is left must fit in eight digits.
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string_view::npos) return 0;
    digits.remove_prefix(first);
    if (digits.size() > 8) return std::nullopt;
    std::uint32_t bits = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), bits, 16);
    return static_cast<std::int32_t>(bits);
}

std::optional<std::int32_t> ReadDecimal(std::string_view text) {
    std::string_view digits = text;
    if (!digits.empty() && (digits[0] == '+' || digits[0] == '-')) digits.remove_prefix(1);
    if (digits.empty() || !AllOf(digits, IsDec)) return std::nullopt;
    // from_chars takes a minus but not a plus, and reports a value out of range.
    const std::string_view number = text[0] == '+' ? digits : text;
    std::int32_t value = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec != std::errc() || end != number.data() + number.size()) return std::nullopt;
    return value;
}

std::optional<std::int32_t> Reference(std::string_view text) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) return std::nullopt;
    text.remove_prefix(start);
    // The two-character prefixes first: "0x1" is hex, never "0" and junk.
    for (std::string_view prefix : {"0x", "0X", "$", "x", "X"})
        if (text.substr(0, prefix.size()) == prefix)
            return ReadHexDigits(text.substr(prefix.size()));
    return ReadDecimal(text);
}

[[noreturn]] void Mismatch(std::string_view text, const char* what) {
    std::fprintf(stderr, "mismatch (%s) for %zu bytes: \"", what, text.size());
    for (unsigned char c : text) std::fprintf(stderr, c >= 0x20 && c < 0x7F ? "%c" : "\\x%02X", c);
    std::fprintf(stderr, "\"\n");
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<std::int32_t> got = TryStrToInt(text);
    const std::optional<std::int32_t> want = Reference(text);
    if (got.has_value() != want.has_value()) Mismatch(text, got ? "accepted" : "refused");
    if (got && *got != *want) Mismatch(text, "value");

    // StrToInt agrees, and its error carries the text as typed.
    try {
        const std::int32_t value = StrToInt(text);
        if (!got || value != *got) Mismatch(text, "StrToInt value");
    } catch (const EConvertError& e) {
        if (got) Mismatch(text, "StrToInt raised");
        if (e.Message() != "'" + std::string(text) + "' は整数ではありません")
            Mismatch(text, "StrToInt message");
    }
    return 0;
}
