#pragma once

#include <csignal>

#include <iterator>
#include <optional>

namespace textshow::play {

// Turns Ctrl-C, Ctrl-\, SIGTERM and SIGHUP into a request to stop, and Ctrl-Z
// into a request to suspend, that the program sees, so that it can give the
// terminal back (and leave no half-written file) before the program stops.
// While it lives, these signals, SIGCONT and the terminal's resize signal
// arrive only during wait_mask() waits, which makes a wait and a signal never
// miss each other.
class StopSignals {
 public:
  StopSignals();
  ~StopSignals();
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

  // The signal mask to wait with (ppoll): every signal let through.
  const sigset_t& wait_mask() const { return wait_mask_; }

  // Lets through the signals that arrived while held. A wait that returns
  // because something is ready (ppoll) does not: without this, a stream
  // that is never late would hold them back for ever.
  void let_through() const;

  // The stop signal that arrived, if one did.
  static std::optional<int> caught();

  // The terminal has hung up without a SIGHUP: caught() says SIGHUP.
  static void note_hangup();

  // Whether Ctrl-Z (SIGTSTP) arrived since the last call.
  static bool take_suspend();

  // Whether the process was continued (SIGCONT) since the last call.
  static bool take_continued();

  // Stops the process as Ctrl-Z does by default; returns once it is continued.
  static void suspend();

  // Ends the program by `signal` as if it had never been caught.
  [[noreturn]] static void end_by(int signal);

 private:
  static constexpr int NOTED_SIGNALS[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGTSTP, SIGCONT};

  sigset_t wait_mask_{};
  sigset_t old_mask_{};
  struct sigaction old_actions_[std::size(NOTED_SIGNALS)]{};
};

}  // namespace textshow::play
