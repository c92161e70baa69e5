#pragma once

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// The decimal-comma run proves nothing when its locale is missing and the
// process quietly keeps the "C" locale: with TALO_EXPECT_DECIMAL_COMMA=1 in
// the environment, a decimal point other than ',' ends the run. Call after
// the locale was taken from the environment.
inline bool DecimalSeparatorAsExpected()
{
    const char* expect = std::getenv("TALO_EXPECT_DECIMAL_COMMA");
    const char* point = std::localeconv()->decimal_point;
    if (expect == nullptr || std::strcmp(expect, "1") != 0 || std::strcmp(point, ",") == 0)
        return true;
    std::fprintf(stderr,
                 "TALO_EXPECT_DECIMAL_COMMA=1 but the decimal point is \"%s\" in locale \"%s\": "
                 "is de_DE.UTF-8 installed? (scripts/install-deps.sh makes it)\n",
                 point, std::setlocale(LC_ALL, nullptr));
    return false;
}
