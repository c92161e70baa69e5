// Runs a fuzz target on seeded random inputs for a while, for compilers
// without libFuzzer. Usage: <target> [--seconds S] [--seed N]
// The inputs lean towards the characters that numbers and options are made
// of, so that most of them reach past the first check.

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv)
{
    double seconds = 2;
    unsigned long long seed = 1;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--seconds") == 0)
            seconds = std::atof(argv[i + 1]);
        else if (std::strcmp(argv[i], "--seed") == 0)
            seed = std::strtoull(argv[i + 1], nullptr, 10);
    }
    static const char kFavoured[] = "0123456789.eE+-: ,;x";
    std::mt19937_64 random(seed);
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    long long runs = 0;
    for (; std::chrono::steady_clock::now() < end; ++runs) {
        std::vector<uint8_t> input(random() % 96);
        for (uint8_t& byte : input)
            byte = static_cast<uint8_t>(
                random() % 4 != 0 ? kFavoured[random() % (sizeof kFavoured - 1)] : random());
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::printf("%lld inputs, seed %llu\n", runs, seed);
    return 0;
}
