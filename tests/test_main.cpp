#include <clocale>

#include <gtest/gtest.h>

#include "tests/support/expected_locale.h"

int main(int argc, char** argv)
{
    // Take the locale from the environment as the application object does,
    // so that the decimal-comma run really exercises it.
    std::setlocale(LC_ALL, "");
    if (!DecimalSeparatorAsExpected())
        return 1;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
