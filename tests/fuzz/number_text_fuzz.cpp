// Number text never yields a value the engine cannot hold, and reads back
// what it wrote.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double value = ReadDouble(text);
    if (!std::isfinite(value) || ReadDouble(FormatText("%.17g", value)) != value ||
        !std::isfinite(NarrowToFloat(value)))
        std::abort();
    // Every conversion to int stays defined; the sanitizers watch them.
    TruncToInt(value);
    const int whole = ReadInt(text);
    if (ReadInt(FormatText("%d", whole)) != whole)
        std::abort();
    return 0;
}
