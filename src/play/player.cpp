#include "play/player.hpp"

#include <poll.h>

#include <algorithm>

#include "play/key_action.hpp"

namespace textshow::play {

namespace {

timespec timespec_of(Duration wait) {
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(wait);
  return {.tv_sec = static_cast<time_t>(seconds.count()), .tv_nsec = static_cast<long>((wait - seconds).count())};
}

}  // namespace

Player::Player(Screen& screen, FrameFeed& feed, const StagePlan& plan, const StopSignals& signals,
               int fps, bool loop, ShowTally& tally)
    : screen_(screen),
      feed_(feed),
      plan_(plan),
      signals_(signals),
      loop_(loop),
      tally_(tally),
      pacer_(fps, Clock::now()) {}

void Player::run() {
  while (!quit_ && !StopSignals::caught() && step(Clock::now())) {
    wait();
    handle_keys(Clock::now());
  }
  tally_.finish(Clock::now());
}

// Shows the next frame if it is due; false once the show is over.
bool Player::step(TimePoint now) {
  if (paused_ || now < pacer_.due()) {
    return true;
  }
  if (next_frame_ < static_cast<int>(feed_.frames().size())) {
    show_next(now);
    return true;
  }
  if (!feed_.ended()) {
    return true;
  }
  if (loop_ && !feed_.frames().empty()) {
    next_frame_ = 0;
    return true;
  }
  return false;
}

void Player::show_next(TimePoint now) {
  screen_.draw(feed_.frames()[static_cast<std::size_t>(next_frame_)]);
  current_stage_ = frame_shown(plan_, next_frame_, now, tally_, pacer_);
  ++next_frame_;
}

void Player::skip_stage(TimePoint now) {
  const PlannedStage& stage = plan_.stage(current_stage_);
  next_frame_ = std::max(next_frame_, stage.first_frame + stage.frames);
  pacer_.restart(now);
}

void Player::toggle_pause(TimePoint now) {
  paused_ = !paused_;
  if (paused_) {
    tally_.pause(now);
  } else {
    tally_.resume(now);
    pacer_.restart(now);
  }
}

void Player::handle_keys(TimePoint now) {
  while (const std::optional<int> key = screen_.next_key()) {
    switch (action_for_key(*key, loop_)) {
      case KeyAction::QUIT:
        quit_ = true;
        return;
      case KeyAction::PAUSE:
        toggle_pause(now);
        break;
      case KeyAction::FASTER:
        pacer_.set_fps(faster_fps(pacer_.fps()));
        break;
      case KeyAction::SLOWER:
        pacer_.set_fps(slower_fps(pacer_.fps()));
        break;
      case KeyAction::NEXT_STAGE:
        skip_stage(now);
        break;
      case KeyAction::NONE:
        break;
    }
  }
}

// Sleeps until the next frame is due, or without limit while paused or while
// the stream has yet to bring the next frame.
void Player::wait() {
  pollfd watched[] = {
      {.fd = screen_.key_descriptor(), .events = POLLIN, .revents = 0},
      {.fd = feed_.descriptor(), .events = POLLIN, .revents = 0},
  };
  const nfds_t count = feed_.ended() ? 1 : 2;
  const timespec limit = timespec_of(pacer_.wait_from(Clock::now()));
  ppoll(watched, count, has_deadline() ? &limit : nullptr, &signals_.wait_mask());
  if (count == 2 && watched[1].revents != 0) {
    feed_.read_some();
  }
}

bool Player::has_deadline() const {
  return !paused_ && (next_frame_ < static_cast<int>(feed_.frames().size()) || feed_.ended());
}

}  // namespace textshow::play
