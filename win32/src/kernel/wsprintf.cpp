// wsprintfA and wvsprintfA: the platform's small formatter. It knows %c %C %d %i %u %x %X %s %S
// and %%, the flags - 0 #, a width, a precision (most characters of a string, fewest digits of a
// number) and the size prefixes h and l. There is no floating point and no '*' width, as on the
// platform, and the output stops at 1024 characters.
#include "kernel/ansi_codepage.h"

#include <string>

namespace {

constexpr std::size_t kMaxOutput = 1024;

struct Conversion {
    bool leftAlign = false;
    bool zeroPad = false;
    bool alternate = false;
    unsigned width = 0;
    int precision = -1;
    bool wide = false; // %ls, %lc, %S, %C
};

class Output {
public:
    explicit Output(LPSTR buffer) : m_buffer(buffer) {}

    void Put(char ch) {
        if (m_length < kMaxOutput)
            m_buffer[m_length++] = ch;
    }
    void Repeat(char ch, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i)
            Put(ch);
    }
    int Finish() {
        m_buffer[m_length] = 0;
        return static_cast<int>(m_length);
    }

    // Pads `body` to the field width; zero padding goes between the sign or prefix and the digits.
    void Field(const Conversion &conversion, const std::string &prefix, const std::string &body, bool zeroPadAllowed) {
        std::size_t length = prefix.size() + body.size();
        std::size_t padding = conversion.width > length ? conversion.width - length : 0;
        bool zeros = conversion.zeroPad && !conversion.leftAlign && zeroPadAllowed;
        if (!conversion.leftAlign && !zeros)
            Repeat(' ', padding);
        for (char ch : prefix)
            Put(ch);
        if (zeros)
            Repeat('0', padding);
        for (char ch : body)
            Put(ch);
        if (conversion.leftAlign)
            Repeat(' ', padding);
    }

private:
    LPSTR m_buffer;
    std::size_t m_length = 0;
};

unsigned ReadNumber(LPCSTR &format) {
    unsigned value = 0;
    while (*format >= '0' && *format <= '9') {
        value = value < 100000 ? value * 10 + unsigned(*format - '0') : value;
        ++format;
    }
    return value;
}

std::string Digits(unsigned long value, unsigned base, bool upper, int precision) {
    const char *digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    std::string text;
    while (value != 0) {
        text.insert(text.begin(), digits[value % base]);
        value /= base;
    }
    std::size_t minimum = precision < 0 ? 1 : static_cast<std::size_t>(precision);
    if (text.size() < minimum)
        text.insert(0, minimum - text.size(), '0');
    return text;
}

std::string WideToAnsi(const WCHAR *text, int precision) {
    std::string result;
    for (; *text && (precision < 0 || result.size() < static_cast<std::size_t>(precision)); ++text)
        result.push_back(static_cast<char>(win32::kernel::UnicodeToAnsi(static_cast<char16_t>(*text))));
    return result;
}

std::string NarrowString(LPCSTR text, int precision) {
    std::string result;
    for (; *text && (precision < 0 || result.size() < static_cast<std::size_t>(precision)); ++text)
        result.push_back(*text);
    return result;
}

void FormatOne(Output &out, char type, const Conversion &conversion, va_list &args) {
    switch (type) {
    case 'd':
    case 'i': {
        long value = va_arg(args, long);
        unsigned long magnitude = value < 0 ? 0ul - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
        out.Field(conversion, value < 0 ? "-" : "", Digits(magnitude, 10, false, conversion.precision), conversion.precision < 0);
        break;
    }
    case 'u':
        out.Field(conversion, "", Digits(va_arg(args, unsigned long), 10, false, conversion.precision), conversion.precision < 0);
        break;
    case 'x':
    case 'X': {
        unsigned long value = va_arg(args, unsigned long);
        std::string prefix = conversion.alternate && value != 0 ? (type == 'x' ? "0x" : "0X") : "";
        out.Field(conversion, prefix, Digits(value, 16, type == 'X', conversion.precision), conversion.precision < 0);
        break;
    }
    case 'c':
    case 'C': {
        int value = va_arg(args, int);
        bool wide = conversion.wide || type == 'C';
        char ch = wide ? static_cast<char>(win32::kernel::UnicodeToAnsi(static_cast<char16_t>(value)))
                       : static_cast<char>(value);
        out.Field(conversion, "", std::string(1, ch), true);
        break;
    }
    case 's':
    case 'S': {
        bool wide = conversion.wide || type == 'S';
        const void *text = va_arg(args, const void *);
        std::string body = !text  ? NarrowString("(null)", conversion.precision)
                           : wide ? WideToAnsi(static_cast<const WCHAR *>(text), conversion.precision)
                                  : NarrowString(static_cast<LPCSTR>(text), conversion.precision);
        out.Field(conversion, "", body, true);
        break;
    }
    default:
        // An unknown type is copied as it stands.
        out.Put(type);
        break;
    }
}

} // namespace

int WINAPI wvsprintfA(LPSTR buffer, LPCSTR format, va_list arglist) {
    if (!buffer)
        return 0;
    Output out(buffer);
    if (!format)
        return out.Finish();
    va_list args;
    va_copy(args, arglist);
    while (*format) {
        if (*format != '%') {
            out.Put(*format++);
            continue;
        }
        ++format;
        Conversion conversion;
        for (;; ++format) {
            if (*format == '-')
                conversion.leftAlign = true;
            else if (*format == '0')
                conversion.zeroPad = true;
            else if (*format == '#')
                conversion.alternate = true;
            else
                break;
        }
        conversion.width = ReadNumber(format);
        if (*format == '.') {
            ++format;
            conversion.precision = static_cast<int>(ReadNumber(format));
        }
        if (*format == 'l' || *format == 'h') {
            conversion.wide = *format == 'l';
            ++format;
        }
        if (!*format)
            break;
        if (*format == '%')
            out.Put('%');
        else
            FormatOne(out, *format, conversion, args);
        ++format;
    }
    va_end(args);
    return out.Finish();
}

int WINAPIV wsprintfA(LPSTR buffer, LPCSTR format, ...) {
    va_list args;
    va_start(args, format);
    int written = wvsprintfA(buffer, format, args);
    va_end(args);
    return written;
}
