#include <gtest/gtest.h>

#include <stdexcept>

#include "app/thread_failure.h"
#include "platform/runtime/errors.h"

namespace vx::app {
namespace {

TEST(ThreadFailure, TheUserIsToldWhyTheWindowsClosed) {
    const struct {
        std::exception_ptr error;
        const char* text;
    } cases[] = {
        {std::make_exception_ptr(std::runtime_error("line break in an INI value")),
         "Окно закрыто из-за внутренней ошибки: line break in an INI value. Остальные окна работают."},
        {std::make_exception_ptr(42), "Окно закрыто из-за внутренней ошибки: неизвестная ошибка. Остальные окна работают."},
    };
    for (const auto& c : cases) {
        rt::GLOBALERRORS.recorder().clear();
        reportThreadFailure(7, c.error);
        ASSERT_EQ(rt::GLOBALERRORS.recorder().shown().size(), 1u);
        EXPECT_EQ(rt::GLOBALERRORS.recorder().shown()[0].caption, "Ошибка программы");
        EXPECT_EQ(rt::GLOBALERRORS.recorder().shown()[0].text, c.text);
    }
}

}  // namespace
}  // namespace vx::app
