#include "play/player.hpp"

#include <poll.h>

#include <algorithm>
#include <string>

#include "play/key_action.hpp"

namespace textshow::play {

namespace {

// How long a new rate stays on the status line.
constexpr Duration RATE_SHOWN_FOR = std::chrono::seconds(2);

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
    show_status(Clock::now());
    wait();
    answer_job_control();
    handle_keys(Clock::now());
  }
  tally_.finish(Clock::now());
}

// Shows the next frame if it is due; false once the show is over.
bool Player::step(TimePoint now) {
  pass_skipped_frames();
  if (paused_ || now < pacer_.due()) {
    return true;
  }
  if (feed_.has_frame()) {
    show_next(now);
    return true;
  }
  if (!feed_.ended()) {
    return true;
  }
  if (loop_ && feed_.replay()) {
    next_frame_ = 0;
    skip_to_ = 0;
    return true;
  }
  return false;
}

void Player::pass_skipped_frames() {
  for (; next_frame_ < skip_to_ && feed_.has_frame(); ++next_frame_) {
    feed_.pop();
  }
}

void Player::show_next(TimePoint now) {
  screen_.draw(feed_.front(), plan_.stage_of(next_frame_));
  feed_.pop();
  shown_any_ = true;
  current_stage_ = frame_shown(plan_, next_frame_, now, tally_, pacer_);
  ++next_frame_;
}

void Player::skip_stage(TimePoint now) {
  const PlannedStage& stage = plan_.stage(current_stage_);
  skip_to_ = std::max(next_frame_, stage.first_frame + stage.frames);
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

void Player::change_rate(int fps, TimePoint now) {
  pacer_.set_fps(fps);
  rate_shown_until_ = now + RATE_SHOWN_FOR;
}

// Ctrl-Z gives the terminal back and stops the program until it is
// continued; the time stopped counts as a pause. A program stopped and
// continued by other means gets its terminal settings and picture back.
void Player::answer_job_control() {
  if (StopSignals::take_suspend()) {
    const TimePoint stopped = Clock::now();
    screen_.suspend();
    StopSignals::suspend();
    if (!paused_) {
      const TimePoint continued = Clock::now();
      tally_.pause(stopped);
      tally_.resume(continued);
      pacer_.restart(continued);
    }
    screen_.resume();
  } else if (StopSignals::take_continued()) {
    screen_.resume();
  }
}

std::string Player::status(TimePoint now) const {
  if (paused_) {
    return "paused: space resumes";
  }
  if (now < rate_shown_until_) {
    return std::to_string(pacer_.fps()) + " fps";
  }
  if (!shown_any_ && !feed_.has_frame() && !feed_.ended()) {
    return "waiting for frames";
  }
  return "";
}

void Player::show_status(TimePoint now) {
  std::string shown = status(now);
  if (shown != screen_.status()) {
    screen_.set_status(std::move(shown));
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
        change_rate(faster_fps(pacer_.fps()), now);
        break;
      case KeyAction::SLOWER:
        change_rate(slower_fps(pacer_.fps()), now);
        break;
      case KeyAction::NEXT_STAGE:
        skip_stage(now);
        break;
      case KeyAction::NONE:
        break;
    }
  }
}

// Sleeps until the next frame is due or the rate shown is to go, or without
// limit while paused or while the stream has yet to bring the next frame.
void Player::wait() {
  pollfd watched[] = {
      {.fd = screen_.key_descriptor(), .events = POLLIN, .revents = 0},
      {.fd = feed_.descriptor(), .events = POLLIN, .revents = 0},
  };
  const nfds_t count = watched[1].fd >= 0 ? 2 : 1;
  const TimePoint now = Clock::now();
  const bool rate_shown = now < rate_shown_until_;
  Duration wait = rate_shown ? rate_shown_until_ - now : Duration::max();
  if (has_deadline()) {
    wait = std::min(wait, pacer_.wait_from(now));
  }
  const timespec limit = timespec_of(wait);
  ppoll(watched, count, has_deadline() || rate_shown ? &limit : nullptr, &signals_.wait_mask());
  signals_.let_through();
  // A terminal closed under a program that no shell passes SIGHUP on to
  // leaves its keys at an end for ever; it is taken as the hangup it is,
  // rather than spun on.
  if ((watched[0].revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
    StopSignals::note_hangup();
  }
  if (count == 2 && watched[1].revents != 0) {
    feed_.read_some();
  }
}

bool Player::has_deadline() const { return !paused_ && (feed_.has_frame() || feed_.ended()); }

}  // namespace textshow::play
