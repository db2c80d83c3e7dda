// main() of the widget tests: the application object exists before any test, as in the program.
#include "ExApplication.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    ::testing::InitGoogleTest(&argc, argv);
    sw::TExApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
