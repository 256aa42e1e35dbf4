#include "history/cp932.h"

#include <iconv.h>

#include <cerrno>

#include "history/utf8.h"

namespace toviran {
namespace {

// One conversion descriptor for the length of one conversion.
class Converter {
  public:
    Converter() : cd_(iconv_open("CP932", "UTF-8")) {}
    ~Converter() {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts valid UTF-8 and appends it to `out`; a character CP932 has no code for
    // becomes "?". Returns how many did.
    std::size_t Append(std::string_view utf8, std::string& out) {
        std::size_t replaced = 0;
        char* in = const_cast<char*>(utf8.data());
        std::size_t inLeft = utf8.size();
        char buffer[4096];
        while (inLeft > 0) {
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t rc = iconv(cd_, &in, &inLeft, &outPtr, &outLeft);
            const int error = errno;
            out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
            if (rc != static_cast<std::size_t>(-1) || error == E2BIG) continue;
            const std::size_t skip = NextUtf8({in, inLeft}).length;
            in += skip;
            inLeft -= skip;
            out += '?';
            ++replaced;
        }
        return replaced;
    }

  private:
    iconv_t cd_;
};

}  // namespace

Cp932Text ToCp932(std::string_view utf8) {
    Converter converter;
    if (!converter.ok()) return {std::string(utf8), 0};
    Cp932Text result;
    result.bytes.reserve(utf8.size());
    // Broken sequences are found here, so that the converter only ever sees valid UTF-8
    // and each broken sequence costs exactly one "?".
    std::size_t start = 0;
    std::size_t at = 0;
    while (at < utf8.size()) {
        const Utf8Step step = NextUtf8(utf8.substr(at));
        if (step.valid) {
            at += step.length;
            continue;
        }
        result.replaced += converter.Append(utf8.substr(start, at - start), result.bytes);
        result.bytes += '?';
        ++result.replaced;
        at += step.length;
        start = at;
    }
    result.replaced += converter.Append(utf8.substr(start), result.bytes);
    return result;
}

}  // namespace toviran
