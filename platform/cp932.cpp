// CP932 conversion through glibc iconv, with bad input replaced instead of stopping.
#include "platform/cp932.h"

#include <iconv.h>

#include <cerrno>

namespace platform {

namespace {

// One converter per direction for the conversion's length; iconv_t carries shift state.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (cd_ != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts `input`; at a bad sequence appends `replacement` and skips `skip(in, left)` bytes.
    template <typename Skip>
    std::string Run(std::string_view input, std::string_view replacement, Skip skip)
    {
        std::string out;
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            return out;
        out.reserve(input.size() * 3 / 2 + 16);
        char* in = const_cast<char*>(input.data());
        size_t inLeft = input.size();
        char buffer[512];
        while (inLeft > 0) {
            char* outPtr = buffer;
            size_t outLeft = sizeof buffer;
            const size_t result = iconv(cd_, &in, &inLeft, &outPtr, &outLeft);
            out.append(buffer, size_t(outPtr - buffer));
            if (result != size_t(-1))
                break;
            if (errno == E2BIG)
                continue;
            // EILSEQ: an invalid or unmappable sequence; EINVAL: cut off at the end.
            out.append(replacement);
            const size_t n = errno == EINVAL ? inLeft : skip(in, inLeft);
            in += n;
            inLeft -= n;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t cd_;
};

// The length of the UTF-8 sequence at `p`, or 1 when it does not start one properly.
size_t Utf8Length(const char* p, size_t left)
{
    const unsigned char c = static_cast<unsigned char>(p[0]);
    size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
    if (n > left)
        return 1;
    for (size_t i = 1; i < n; ++i)
        if ((static_cast<unsigned char>(p[i]) & 0xC0) != 0x80)
            return 1;
    return n;
}

} // namespace

std::string Cp932ToUtf8(std::string_view cp932)
{
    Converter converter("UTF-8", "CP932");
    return converter.Run(cp932, "\xEF\xBF\xBD", [](const char*, size_t) { return size_t(1); });
}

std::string Utf8ToCp932(std::string_view utf8)
{
    Converter converter("CP932", "UTF-8");
    return converter.Run(utf8, "?", Utf8Length);
}

} // namespace platform
