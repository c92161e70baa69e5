#include <cstdio>

#include <QApplication>
#include <QFont>
#include <QFontInfo>

#include <gtest/gtest.h>

#include "tests/support/expected_locale.h"
#include "ui/graph/graph.h"

int main(int argc, char** argv)
{
    // Widget tests need no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The application object takes the locale from the environment.
    QApplication app(argc, argv);
    if (!DecimalSeparatorAsExpected())
        return 1;
    // The graph's texts in the built-in fonts, whatever fonts this machine has.
    if (!LoadGraphFonts()) {
        std::fprintf(stderr, "The graph's built-in fonts could not be loaded\n");
        return 1;
    }
    // Widgets in the same built-in font, so that their sizes and positions do
    // not depend on the machine's default font.
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans")));
    if (QFontInfo(QApplication::font()).family() != QStringLiteral("Liberation Sans")) {
        std::fprintf(stderr, "The widgets' font is not the built-in Liberation Sans\n");
        return 1;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
