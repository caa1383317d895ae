// The toolkit's run-time helpers: number conversions and the exception
// classes whose messages reach the user through the standard error box.
// Plain C++: nothing here needs a display.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message)
        : std::runtime_error(message), message_(message) {}
    // The whole message, even past a NUL byte, which what() would stop at.
    const std::string& Message() const { return message_; }

private:
    std::string message_;
};

// A text that is not an integer.
class EConvertError : public Exception {
    using Exception::Exception;
};

class EStreamError : public Exception {
    using Exception::Exception;
};

// A file that cannot be created.
class EFCreateError : public EStreamError {
    using EStreamError::EStreamError;
};

// Fewer bytes written than asked for.
class EWriteError : public EStreamError {
    using EStreamError::EStreamError;
};

// Replaces the first "%s" of `pattern` with `argument`.
std::string Format(std::string_view pattern, std::string_view argument);

std::string IntToStr(std::int64_t value);

// Upper-case hexadecimal of the value's 32 bits, padded with zeros to `digits`.
std::string IntToHex(std::uint32_t value, int digits);

// Reads a whole text as a 32-bit integer: leading blanks, then either an
// optional sign and decimal digits, or a hex prefix ($, x, X, 0x, 0X) and up to
// 32 bits of hex digits. Nothing may follow the digits.
std::optional<std::int32_t> TryStrToInt(std::string_view text);

// As TryStrToInt, raising EConvertError "'text' は整数ではありません" on failure.
std::int32_t StrToInt(std::string_view text);

inline constexpr std::string_view SInvalidInteger = "'%s' は整数ではありません";
inline constexpr std::string_view SFCreateError = "ﾌｧｲﾙ %s を作成できません";
inline constexpr std::string_view SWriteError = "ｽﾄﾘｰﾑへの書き込みｴﾗｰ";
