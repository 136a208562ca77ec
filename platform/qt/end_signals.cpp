#include "platform/qt/end_signals.h"

#include <QApplication>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include "platform/qt/main_loop.h"
#include "platform/ui/desktop.h"

namespace vx::qt {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};
constexpr int kGraceMs = 5000;

// The handler may only write to a descriptor: Qt's loop reads the other end.
int pipeEnds[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[0], &byte, 1);
}

}  // namespace

EndSignals::EndSignals(MainLoop& loop) : loop_(loop) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, pipeEnds) != 0) return;
    notifier_ = std::make_unique<QSocketNotifier>(pipeEnds[1], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(pipeEnds[1], bytes, sizeof bytes) > 0) {
        }
        ending();
    });
    grace_.setSingleShot(true);
    QObject::connect(&grace_, &QTimer::timeout, [] { QApplication::quit(); });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < 3; ++i) ::sigaction(kSignals[i], &action, &previous_[i]);
}

EndSignals::~EndSignals() {
    if (!notifier_) return;
    for (int i = 0; i < 3; ++i) ::sigaction(kSignals[i], &previous_[i], nullptr);
    notifier_.reset();
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

void EndSignals::ending() {
    ui::desktop().closeDown();
    loop_.requestStep();
    if (!grace_.isActive()) grace_.start(kGraceMs);
}

}  // namespace vx::qt
