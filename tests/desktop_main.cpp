// The main of the tests that fill workbooks. With VX_TEST_DESKTOP=1 it first makes
// the Qt application object, as the program does: the object takes the user's
// locale (LC_NUMERIC among it), so a run under ru_RU.UTF-8 meets what a Russian
// desktop meets, where a run without it keeps the C locale.

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    std::unique_ptr<QApplication> application;
    if (const char* desktop = std::getenv("VX_TEST_DESKTOP"); desktop && std::strcmp(desktop, "1") == 0) {
        application = std::make_unique<QApplication>(argc, argv);
        // A locale that is not installed leaves the C one, and the run would prove nothing.
        if (std::strcmp(std::localeconv()->decimal_point, ".") == 0) {
            std::fprintf(stderr, "the desktop's locale (LC_NUMERIC %s) did not take: is it generated (scripts/setup.sh)?\n",
                         std::setlocale(LC_NUMERIC, nullptr));
            return 1;
        }
    }
    return RUN_ALL_TESTS();
}
