#include "shell/qt/quit_on_signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>

namespace keyloom {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};
int signal_pipe[2] = {-1, -1};  // the handler writes, the event loop reads

void OnSignal(int /*signal*/) {
  const char byte = 1;
  // Only what is safe in a signal handler; a full pipe already has the news.
  [[maybe_unused]] const ssize_t written = write(signal_pipe[1], &byte, 1);
}

}  // namespace

QuitOnSignals::QuitOnSignals() {
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, signal_pipe) != 0) return;
  notifier_ = std::make_unique<QSocketNotifier>(signal_pipe[0], QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [] {
    char bytes[16];
    while (read(signal_pipe[0], bytes, sizeof bytes) > 0) {
    }
    QCoreApplication::exit(0);
  });
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : kSignals) sigaction(signal, &action, nullptr);
}

QuitOnSignals::~QuitOnSignals() {
  if (!notifier_) return;
  for (const int signal : kSignals) std::signal(signal, SIG_DFL);
  notifier_.reset();
  close(signal_pipe[0]);
  close(signal_pipe[1]);
}

}  // namespace keyloom
