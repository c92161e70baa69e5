#include "engine/number_text.h"

#include <cctype>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <vector>

namespace {

// Switches this thread to the "C" locale for the lifetime of the object:
// the application object sets the process locale from the environment,
// which would turn the decimal point into a comma.
class CLocaleGuard {
public:
    CLocaleGuard() : m_previous(uselocale(CLocale())) {}
    ~CLocaleGuard() { uselocale(m_previous); }
    CLocaleGuard(const CLocaleGuard&) = delete;
    CLocaleGuard& operator=(const CLocaleGuard&) = delete;

private:
    static locale_t CLocale()
    {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
        return c;
    }
    locale_t m_previous;
};

size_t SkipDigits(const std::string& text, size_t pos)
{
    while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])))
        ++pos;
    return pos;
}

size_t SkipBlanks(const std::string& text)
{
    size_t pos = 0;
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos])))
        ++pos;
    return pos;
}

size_t SkipSign(const std::string& text, size_t pos)
{
    return pos < text.size() && (text[pos] == '+' || text[pos] == '-') ? pos + 1 : pos;
}

// The longest prefix of the form [sign] digits [. digits] [e [sign] digits],
// with at least one digit in the mantissa; empty when there is none.
std::string NumericPrefix(const std::string& text)
{
    const size_t start = SkipBlanks(text);
    size_t pos = SkipSign(text, start);
    const size_t intEnd = SkipDigits(text, pos);
    size_t mantissaDigits = intEnd - pos;
    pos = intEnd;
    if (pos < text.size() && text[pos] == '.') {
        const size_t fracEnd = SkipDigits(text, pos + 1);
        mantissaDigits += fracEnd - (pos + 1);
        pos = fracEnd;
    }
    if (mantissaDigits == 0)
        return std::string();
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        const size_t expDigits = SkipSign(text, pos + 1);
        const size_t expEnd = SkipDigits(text, expDigits);
        if (expEnd > expDigits)
            pos = expEnd;
    }
    return text.substr(start, pos - start);
}

} // namespace

std::string FormatText(const char* format, ...)
{
    CLocaleGuard guard;
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string result;
    if (length > 0) {
        std::vector<char> buffer(static_cast<size_t>(length) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        result.assign(buffer.data(), static_cast<size_t>(length));
    }
    va_end(args);
    return result;
}

double ReadDouble(const std::string& text)
{
    const std::string prefix = NumericPrefix(text);
    if (prefix.empty())
        return 0.0;
    CLocaleGuard guard;
    const double value = std::strtod(prefix.c_str(), nullptr);
    if (std::isinf(value))
        return value > 0 ? DBL_MAX : -DBL_MAX;
    return value;
}

int ReadInt(const std::string& text)
{
    const size_t start = SkipBlanks(text);
    const size_t digits = SkipSign(text, start);
    const size_t end = SkipDigits(text, digits);
    if (end == digits)
        return 0;
    CLocaleGuard guard;
    const long long value = std::strtoll(text.substr(start, end - start).c_str(), nullptr, 10);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

float NarrowToFloat(double value)
{
    if (std::isnan(value))
        return 0.0f;
    if (value > FLT_MAX)
        return FLT_MAX;
    if (value < -FLT_MAX)
        return -FLT_MAX;
    return static_cast<float>(value);
}

int TruncToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

std::string ShortestFloatText(float value)
{
    std::string text;
    for (int digits = 1; digits <= 9; ++digits) {
        text = FormatText("%.*g", digits, static_cast<double>(value));
        CLocaleGuard guard;
        if (std::strtof(text.c_str(), nullptr) == value)
            break;
    }
    // "1e-07" and "3e+38" as "1e-7" and "3e38".
    const size_t exponent = text.find('e');
    if (exponent == std::string::npos)
        return text;
    const size_t kept = text[exponent + 1] == '-' ? exponent + 2 : exponent + 1;
    size_t first = text[kept] == '+' ? kept + 1 : kept;
    while (first + 1 < text.size() && text[first] == '0')
        ++first;
    return text.substr(0, kept) + text.substr(first);
}
