// Encoding of the page: UTF-8 lines to Shift-JIS (code page 932) bytes.
#include "html/file.h"

#include <iconv.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>

#include "vcl/SysUtils.h"

namespace html {

namespace {

[[noreturn]] void ThrowWriteError() { throw EWriteError(std::string(SWriteError)); }

// Runs of non-ASCII text converted before, with their code page 932 bytes.
// A page repeats a handful of runs (the labels, "日記入欄", the ideographic
// space) dozens of times, and a lookup is far cheaper than a conversion. Only
// what iconv produced is stored.
class RunCache {
public:
    static constexpr std::size_t kMaxRun = 22;  // longer runs are not kept

    // The stored bytes of `run`, or nothing.
    std::optional<std::string_view> Find(std::string_view run) const {
        const Entry& e = entries_[Slot(run)];
        if (e.runSize == 0 || std::string_view(e.run, e.runSize) != run) return std::nullopt;
        return std::string_view(e.bytes, e.bytesSize);
    }

    void Put(std::string_view run, std::string_view bytes) {
        if (run.size() > kMaxRun || bytes.size() > kMaxRun) return;
        Entry& e = entries_[Slot(run)];
        e.runSize = static_cast<std::uint8_t>(run.size());
        e.bytesSize = static_cast<std::uint8_t>(bytes.size());
        std::memcpy(e.run, run.data(), run.size());
        std::memcpy(e.bytes, bytes.data(), bytes.size());
    }

private:
    static constexpr std::size_t kSlots = 64;

    struct Entry {
        std::uint8_t runSize = 0;  // 0: empty; a run is never empty
        std::uint8_t bytesSize = 0;
        char run[kMaxRun];
        char bytes[kMaxRun];
    };

    // FNV-1a, folded onto the slots.
    static std::size_t Slot(std::string_view run) {
        std::uint32_t h = 2166136261u;
        for (unsigned char c : run) h = (h ^ c) * 16777619u;
        return (h ^ (h >> 16)) % kSlots;
    }

    std::array<Entry, kSlots> entries_{};
};

// One conversion descriptor per thread, opened on first use and kept open:
// opening one costs far more than converting a page.
class Cp932Converter {
public:
    Cp932Converter() : cd_(iconv_open("CP932", "UTF-8")) {}
    ~Cp932Converter() {
        if (ok()) iconv_close(cd_);
    }
    Cp932Converter(const Cp932Converter&) = delete;
    Cp932Converter& operator=(const Cp932Converter&) = delete;

    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Appends the code page 932 bytes of a run of non-ASCII text to `out`.
    void Append(std::string_view run, std::string& out) {
        if (const auto bytes = cache_.Find(run)) {
            out.append(*bytes);
            return;
        }
        const std::size_t start = out.size();
        Convert(run, out);
        cache_.Put(run, std::string_view(out).substr(start));
    }

private:
    // Code page 932 never needs more bytes than UTF-8 for the same
    // characters, so the result fits into as many bytes as `text` has.
    void Convert(std::string_view text, std::string& out) {
        const std::size_t start = out.size();
        out.resize(start + text.size());
        char* in = const_cast<char*>(text.data());
        std::size_t inLeft = text.size();
        char* dest = out.data() + start;
        std::size_t destLeft = text.size();
        const std::size_t result = iconv(cd_, &in, &inLeft, &dest, &destLeft);
        if (result != 0 || inLeft != 0) {
            // Invalid UTF-8, an incomplete character or one that code page 932
            // lacks; a non-zero count would be a lossy substitution.
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
            out.resize(start);
            ThrowWriteError();
        }
        out.resize(static_cast<std::size_t>(dest - out.data()));
    }

    iconv_t cd_;
    RunCache cache_;
};

Cp932Converter& Converter() {
    thread_local Cp932Converter converter;
    if (!converter.ok()) ThrowWriteError();
    return converter;
}

bool IsAscii(unsigned char c) { return c < 0x80; }

// Whether every byte is ASCII; checks the whole text without an early exit,
// which the compiler turns into wide operations.
bool IsAscii(std::string_view s) {
    unsigned char any = 0;
    for (char c : s) any |= static_cast<unsigned char>(c);
    return IsAscii(any);
}

// Length of the leading run of bytes for which `pred` holds. A run of
// non-ASCII bytes of valid UTF-8 always ends on a character boundary.
template <typename Pred>
std::size_t RunLength(std::string_view s, Pred pred) {
    std::size_t i = 0;
    while (i < s.size() && pred(static_cast<unsigned char>(s[i]))) ++i;
    return i;
}

void AppendLine(std::string_view line, std::string& out) {
    // ASCII is the same in both encodings and passes through untouched.
    if (IsAscii(line)) {
        out.append(line);
    } else {
        while (!line.empty()) {
            const std::size_t ascii = RunLength(line, [](unsigned char c) { return IsAscii(c); });
            out.append(line.substr(0, ascii));
            line.remove_prefix(ascii);
            const std::size_t other = RunLength(line, [](unsigned char c) { return !IsAscii(c); });
            if (other == 0) break;
            Converter().Append(line.substr(0, other), out);
            line.remove_prefix(other);
        }
    }
    out.append("\r\n");
}

}  // namespace

std::string EncodeDocument(const Lines& doc) {
    std::size_t upperBound = 0;
    for (const std::string& line : doc) upperBound += line.size() + 2;
    std::string out;
    out.reserve(upperBound);
    for (const std::string& line : doc) AppendLine(line, out);
    return out;
}

}  // namespace html
