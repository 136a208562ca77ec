#include "app/thread_failure.h"

#include <iostream>
#include <string>

#include "platform/runtime/errors.h"

namespace vx::app {

void reportThreadFailure(rt::ThreadId thread, std::exception_ptr error) {
    std::string what = "неизвестная ошибка";
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        what = e.what();
    } catch (...) {
    }
    std::cerr << "vetrix: thread " << thread << ": " << what << '\n';
    rt::GLOBALERRORS.sink().show("Ошибка программы",
                                 "Окно закрыто из-за внутренней ошибки: " + what + ". Остальные окна работают.",
                                 rt::Buttons::Ok);
}

}  // namespace vx::app
