#include "platform/quit_signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <csignal>

namespace reelsnap {
namespace {

// The write end, for the handler: all a signal handler may safely touch.
int signalWriteEnd = -1;
int signalReadEnd = -1;
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

extern "C" void WakeOnSignal(int) {
    const char byte = 1;
    const ssize_t written = ::write(signalWriteEnd, &byte, 1);
    (void)written;  // a full socket already holds a wake-up
}

}  // namespace

bool HandleUnlessIgnored(int signal, void (*handler)(int)) {
    struct sigaction current {};
    if (::sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN) return false;
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return ::sigaction(signal, &action, nullptr) == 0;
}

QuitSignals::QuitSignals() {
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, ends) != 0) return;
    signalWriteEnd = ends[0];
    signalReadEnd = ends[1];
    notifier_ = std::make_unique<QSocketNotifier>(signalReadEnd, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(signalReadEnd, bytes, sizeof bytes) > 0) {
        }
        emit quitRequested();
    });
    for (const int signal : kSignals) {
        if (HandleUnlessIgnored(signal, WakeOnSignal)) installed_.push_back(signal);
    }
}

QuitSignals::~QuitSignals() {
    if (!notifier_) return;
    for (const int signal : installed_) std::signal(signal, SIG_DFL);
    notifier_.reset();
    ::close(signalWriteEnd);
    ::close(signalReadEnd);
    signalWriteEnd = signalReadEnd = -1;
}

}  // namespace reelsnap
