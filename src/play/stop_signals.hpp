#pragma once

#include <csignal>

#include <optional>

namespace textshow::play {

// Turns Ctrl-C and SIGTERM into a request to stop that the player sees, so
// that it can give the terminal back before the program ends. While it
// lives, these signals and the terminal's resize signal arrive only during
// wait_mask() waits, which makes a wait and a signal never miss each other.
class StopSignals {
 public:
  StopSignals();
  ~StopSignals();
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

  // The signal mask to wait with (ppoll): every signal let through.
  const sigset_t& wait_mask() const { return wait_mask_; }

  // The stop signal that arrived, if one did.
  static std::optional<int> caught();

  // Ends the program by `signal` as if it had never been caught.
  [[noreturn]] static void end_by(int signal);

 private:
  sigset_t wait_mask_{};
  sigset_t old_mask_{};
  struct sigaction old_interrupt_{};
  struct sigaction old_terminate_{};
};

}  // namespace textshow::play
