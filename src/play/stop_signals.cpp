#include "play/stop_signals.hpp"

#include <cstdlib>

namespace textshow::play {

namespace {

volatile std::sig_atomic_t caught_signal = 0;
volatile std::sig_atomic_t suspend_asked = 0;
volatile std::sig_atomic_t continued = 0;

void note_signal(int signal) {
  if (signal == SIGTSTP) {
    suspend_asked = 1;
  } else if (signal == SIGCONT) {
    continued = 1;
  } else {
    caught_signal = signal;
  }
}

sigset_t only(int signal) {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, signal);
  return set;
}

bool take(volatile std::sig_atomic_t& flag) {
  const bool was_set = flag != 0;
  flag = 0;
  return was_set;
}

}  // namespace

// A signal ignored from the start (nohup, a job in the background of a
// script) stays ignored: whoever started the program asked for that.
StopSignals::StopSignals() {
  struct sigaction action {};
  action.sa_handler = note_signal;
  sigemptyset(&action.sa_mask);
  sigset_t held;
  sigemptyset(&held);
  sigaddset(&held, SIGWINCH);
  for (std::size_t s = 0; s < std::size(NOTED_SIGNALS); ++s) {
    sigaction(NOTED_SIGNALS[s], nullptr, &old_actions_[s]);
    if (old_actions_[s].sa_handler != SIG_IGN) {
      sigaction(NOTED_SIGNALS[s], &action, nullptr);
      sigaddset(&held, NOTED_SIGNALS[s]);
    }
  }
  sigprocmask(SIG_BLOCK, &held, &old_mask_);
  wait_mask_ = old_mask_;
  sigdelset(&wait_mask_, SIGWINCH);
  for (const int signal : NOTED_SIGNALS) {
    sigdelset(&wait_mask_, signal);
  }
}

StopSignals::~StopSignals() {
  sigprocmask(SIG_SETMASK, &old_mask_, nullptr);
  for (std::size_t s = 0; s < std::size(NOTED_SIGNALS); ++s) {
    sigaction(NOTED_SIGNALS[s], &old_actions_[s], nullptr);
  }
}

void StopSignals::let_through() const {
  sigset_t held;
  sigprocmask(SIG_SETMASK, &wait_mask_, &held);
  sigprocmask(SIG_SETMASK, &held, nullptr);
}

std::optional<int> StopSignals::caught() {
  if (caught_signal == 0) {
    return std::nullopt;
  }
  return static_cast<int>(caught_signal);
}

void StopSignals::note_hangup() { caught_signal = SIGHUP; }

bool StopSignals::take_suspend() { return take(suspend_asked); }

bool StopSignals::take_continued() { return take(continued); }

// SIGTSTP raised while held stays pending; letting it through with its
// default action stops the process right there, and the code goes on from
// here when it is continued.
void StopSignals::suspend() {
  struct sigaction noting {};
  struct sigaction default_action {};
  default_action.sa_handler = SIG_DFL;
  sigemptyset(&default_action.sa_mask);
  sigaction(SIGTSTP, &default_action, &noting);
  std::raise(SIGTSTP);
  const sigset_t tstp = only(SIGTSTP);
  sigprocmask(SIG_UNBLOCK, &tstp, nullptr);
  sigprocmask(SIG_BLOCK, &tstp, nullptr);
  sigaction(SIGTSTP, &noting, nullptr);
}

void StopSignals::end_by(int signal) {
  std::signal(signal, SIG_DFL);
  std::raise(signal);
  std::_Exit(128 + signal);
}

}  // namespace textshow::play
