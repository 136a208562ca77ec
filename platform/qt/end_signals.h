#pragma once
// The desktop ending the program (its session logging out, a terminal closing,
// kill): SIGTERM, SIGHUP and SIGINT close every window as the frame's exit does,
// so each form lets go of what it holds (a reserved record number) before the
// process ends. A window that cannot close (it waits for a message box) gets a
// few seconds; then the event loop ends regardless.

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <csignal>
#include <memory>

namespace vx::qt {

class MainLoop;

class EndSignals : public QObject {
public:
    explicit EndSignals(MainLoop& loop);
    ~EndSignals() override;
    EndSignals(const EndSignals&) = delete;
    EndSignals& operator=(const EndSignals&) = delete;

private:
    void ending();

    MainLoop& loop_;
    std::unique_ptr<QSocketNotifier> notifier_;
    QTimer grace_;
    struct sigaction previous_[3] = {};
};

}  // namespace vx::qt
