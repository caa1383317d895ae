// Encoding of the page: UTF-8 lines to Shift-JIS (code page 932) bytes.
#include "html/file.h"

#include <iconv.h>

#include <algorithm>
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

    // The length and the first and last bytes tell the runs of a page apart
    // (every one of them has a slot of its own); a clash costs a conversion.
    static std::size_t Slot(std::string_view run) {
        const auto front = static_cast<unsigned char>(run.front());
        const auto back = static_cast<unsigned char>(run.back());
        return (run.size() * 7 + front * 3 + back) % kSlots;
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

    // Writes the code page 932 bytes of a run of non-ASCII text at `dest` and
    // returns their end. Code page 932 never needs more bytes than UTF-8 for
    // the same characters, so `dest` needs room for as many bytes as `run` has.
    char* Put(std::string_view run, char* dest) {
        if (const auto bytes = cache_.Find(run))
            return std::copy(bytes->begin(), bytes->end(), dest);
        char* const end = Convert(run, dest);
        cache_.Put(run, std::string_view(dest, static_cast<std::size_t>(end - dest)));
        return end;
    }

private:
    char* Convert(std::string_view text, char* dest) {
        char* in = const_cast<char*>(text.data());
        std::size_t inLeft = text.size();
        std::size_t destLeft = text.size();
        const std::size_t result = iconv(cd_, &in, &inLeft, &dest, &destLeft);
        if (result != 0 || inLeft != 0) {
            // Invalid UTF-8, an incomplete character or one that code page 932
            // lacks; a non-zero count would be a lossy substitution.
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
            ThrowWriteError();
        }
        return dest;
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

// Length of the leading run of ASCII bytes. The text is nearly all ASCII, so
// eight bytes are tested at a time.
std::size_t AsciiLength(std::string_view s) {
    constexpr std::uint64_t kTopBits = 0x8080808080808080u;
    std::size_t i = 0;
    for (std::uint64_t word; s.size() - i >= sizeof word; i += sizeof word) {
        std::memcpy(&word, s.data() + i, sizeof word);
        if (word & kTopBits) break;
    }
    while (i < s.size() && IsAscii(s[i])) ++i;
    return i;
}

// Length of the leading run of other bytes. A run of valid UTF-8 always ends
// on a character boundary.
std::size_t OtherLength(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && !IsAscii(s[i])) ++i;
    return i;
}

}  // namespace

std::string EncodeDocument(const Lines& doc) {
    // The lines' text has its CR LF after every line already, and ASCII is the
    // same in both encodings: only the runs of other bytes between are
    // converted. They never grow, so the file fits into as many bytes.
    std::string_view text = doc.Text();
    std::string out(text.size(), '\0');
    char* dest = out.data();
    while (!text.empty()) {
        const std::size_t ascii = AsciiLength(text);
        dest = std::copy_n(text.data(), ascii, dest);
        text.remove_prefix(ascii);
        if (text.empty()) break;
        // A run of other bytes starts here; it ends at its line's CR LF at the
        // latest.
        const std::size_t other = OtherLength(text);
        dest = Converter().Put(text.substr(0, other), dest);
        text.remove_prefix(other);
    }
    out.resize(static_cast<std::size_t>(dest - out.data()));
    return out;
}

}  // namespace html
