// Random option lists through talo-cli's screens and the analysis pass:
// whatever is accepted gives finite results, and nothing is written when
// an input is refused.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "cli/talo_cli.h"

namespace {

const char* const kValueOptions[] = {
    "--minimum", "--maximum",  "--action-level", "--bound",       "--sd",
    "--cv",      "--lab-cost", "--field-cost",   "--limit-lower", "--limit-upper",
    "--below",   "--above",    "--sd-ratio",     "--aliquots",    "--compositing-cost",
    "--stratum", "--samples",  "--total-cost"};
const char* const kChoices[][2] = {
    {"--parameter", "mean"},           {"--parameter", "proportion"}, {"--parameter", "two-mean"},
    {"--parameter", "two-proportion"}, {"--baseline", "le"},          {"--baseline", "ge"},
    {"--design", "composite"},         {"--design", "stratified"},    {"--field-cost-total", ""}};

// One option per step: a choice, or a value option with the text up to the
// next ';'.
std::vector<std::string> OptionList(const uint8_t* data, size_t size)
{
    std::vector<std::string> arguments{"talo-cli", "--json"};
    size_t pos = 0;
    while (pos < size) {
        const size_t pick = data[pos++] % (std::size(kValueOptions) + std::size(kChoices));
        if (pick >= std::size(kValueOptions)) {
            const auto& choice = kChoices[pick - std::size(kValueOptions)];
            arguments.push_back(choice[0]);
            if (*choice[1] != 0)
                arguments.push_back(choice[1]);
            continue;
        }
        const uint8_t* end = std::find(data + pos, data + size, ';');
        arguments.push_back(kValueOptions[pick]);
        arguments.emplace_back(data + pos, end);
        pos = static_cast<size_t>(end - data) + 1;
    }
    return arguments;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::ostringstream out, err;
    const int status = RunTaloCli(OptionList(data, size), out, err);
    const std::string json = out.str();
    // Only refusals (2) are expected, with nothing printed: no file is named.
    if (status != 0 && (status != 2 || !json.empty()))
        std::abort();
    // A NaN is written as null, an infinity would show as a huge number or inf.
    for (const char* absurd : {"null", "nan", "inf", "e+308", "2147483647"})
        if (json.find(absurd) != std::string::npos)
            std::abort();
    return 0;
}
