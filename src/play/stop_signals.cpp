#include "play/stop_signals.hpp"

#include <csignal>
#include <cstdlib>

namespace textshow::play {

namespace {

volatile std::sig_atomic_t caught_signal = 0;

void note_signal(int signal) { caught_signal = signal; }

struct sigaction noting_action() {
  struct sigaction action {};
  action.sa_handler = note_signal;
  sigemptyset(&action.sa_mask);
  return action;
}

}  // namespace

StopSignals::StopSignals() {
  const struct sigaction action = noting_action();
  sigaction(SIGINT, &action, &old_interrupt_);
  sigaction(SIGTERM, &action, &old_terminate_);
  sigset_t held;
  sigemptyset(&held);
  sigaddset(&held, SIGINT);
  sigaddset(&held, SIGTERM);
  sigaddset(&held, SIGWINCH);
  sigprocmask(SIG_BLOCK, &held, &old_mask_);
  wait_mask_ = old_mask_;
  sigdelset(&wait_mask_, SIGINT);
  sigdelset(&wait_mask_, SIGTERM);
  sigdelset(&wait_mask_, SIGWINCH);
}

StopSignals::~StopSignals() {
  sigprocmask(SIG_SETMASK, &old_mask_, nullptr);
  sigaction(SIGINT, &old_interrupt_, nullptr);
  sigaction(SIGTERM, &old_terminate_, nullptr);
}

std::optional<int> StopSignals::caught() {
  if (caught_signal == 0) {
    return std::nullopt;
  }
  return static_cast<int>(caught_signal);
}

void StopSignals::end_by(int signal) {
  std::signal(signal, SIG_DFL);
  std::raise(signal);
  std::_Exit(128 + signal);
}

}  // namespace textshow::play
