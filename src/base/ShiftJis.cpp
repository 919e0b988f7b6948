#include "base/ShiftJis.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace velmora {
namespace {

// iconv descriptors carry state and must not be shared between threads;
// opening one costs far more than a conversion of a settings line, so each
// thread keeps its own pair.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error("iconv cannot convert between UTF-8 and CP932");
        }
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as it can. On an invalid or unconvertible sequence
    // returns false with `in` pointing at the offending bytes.
    bool Run(std::string_view& in, std::string& out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        char buffer[1024];
        while (srcLeft > 0) {
            char* dst = buffer;
            size_t dstLeft = sizeof buffer;
            const size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<size_t>(dst - buffer));
            if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
                in = std::string_view(src, srcLeft);
                return false;
            }
        }
        in = {};
        return true;
    }

private:
    iconv_t cd_;
};

Converter& ToSjis() {
    thread_local Converter converter("CP932", "UTF-8");
    return converter;
}

Converter& FromSjis() {
    thread_local Converter converter("UTF-8", "CP932");
    return converter;
}

}  // namespace

bool IsSjisLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

std::optional<std::string> Utf8ToSjis(std::string_view utf8, SjisFit fit) {
    std::string out;
    std::string_view rest = utf8;
    if (!ToSjis().Run(rest, out)) {
        return std::nullopt;
    }
    if (fit == SjisFit::Exact && SjisToUtf8(out) != utf8) {
        return std::nullopt;
    }
    return out;
}

std::string SjisToUtf8(std::string_view sjis) {
    std::string out;
    std::string_view rest = sjis;
    while (!FromSjis().Run(rest, out)) {
        out += "\xEF\xBF\xBD";  // U+FFFD
        rest.remove_prefix(1);
    }
    return out;
}

size_t SjisPrefixLength(std::string_view sjis, size_t maxBytes) {
    size_t i = 0;
    while (i < sjis.size()) {
        const size_t width =
            IsSjisLeadByte(static_cast<unsigned char>(sjis[i])) && i + 1 < sjis.size() ? 2 : 1;
        if (i + width > maxBytes) {
            break;
        }
        i += width;
    }
    return i;
}

}  // namespace velmora
