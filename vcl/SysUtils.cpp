#include "vcl/SysUtils.h"

#include <cctype>

std::string Format(std::string_view pattern, std::string_view argument) {
    std::string out(pattern);
    if (const auto at = out.find("%s"); at != std::string::npos) out.replace(at, 2, argument);
    return out;
}

std::string IntToStr(std::int64_t value) { return std::to_string(value); }

std::string IntToHex(std::uint32_t value, int digits) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    do {
        out.insert(out.begin(), kDigits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    if (static_cast<int>(out.size()) < digits) out.insert(0, digits - out.size(), '0');
    return out;
}

namespace {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Strips a hex prefix from the front of `text`; false when there is none.
bool TakeHexPrefix(std::string_view& text) {
    for (std::string_view prefix : {"0x", "0X", "$", "x", "X"}) {
        if (text.substr(0, prefix.size()) == prefix) {
            text.remove_prefix(prefix.size());
            return true;
        }
    }
    return false;
}

std::optional<std::int32_t> ReadHex(std::string_view digits) {
    if (digits.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        const int v = HexDigitValue(c);
        if (v < 0) return std::nullopt;
        value = value * 16 + v;
        if (value > 0xFFFFFFFFu) return std::nullopt;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::optional<std::int32_t> ReadDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > limit) return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

}  // namespace

std::optional<std::int32_t> TryStrToInt(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    if (TakeHexPrefix(text)) return ReadHex(text);
    return ReadDecimal(text);
}

std::int32_t StrToInt(std::string_view text) {
    if (auto value = TryStrToInt(text)) return *value;
    throw EConvertError(Format(SInvalidInteger, text));
}
