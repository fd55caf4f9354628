#pragma once

#include <string>

#include "play/frame_feed.hpp"
#include "play/pacer.hpp"
#include "play/screen.hpp"
#include "play/show_tally.hpp"
#include "play/stage_plan.hpp"
#include "play/stop_signals.hpp"

namespace textshow::play {

// Plays the frames of a feed on the screen, paced by the clock, until they
// end, a key quits or a stop signal arrives. Between frames it sleeps until
// the next one is due, a key is pressed, the stream brings more or a signal
// arrives.
class Player {
 public:
  Player(Screen& screen, FrameFeed& feed, const StagePlan& plan, const StopSignals& signals,
         int fps, bool loop, ShowTally& tally);

  void run();

 private:
  bool step(TimePoint now);
  void pass_skipped_frames();
  void show_next(TimePoint now);
  void skip_stage(TimePoint now);
  void toggle_pause(TimePoint now);
  void change_rate(int fps, TimePoint now);
  void answer_job_control();
  std::string status(TimePoint now) const;
  void show_status(TimePoint now);
  void handle_keys(TimePoint now);
  void wait();
  bool has_deadline() const;

  Screen& screen_;
  FrameFeed& feed_;
  const StagePlan& plan_;
  const StopSignals& signals_;
  bool loop_;
  ShowTally& tally_;
  Pacer pacer_;
  int next_frame_ = 0;
  // Frames before this one are passed over without being shown: `n` skips
  // the rest of a stage, however much of it the stream has yet to bring.
  int skip_to_ = 0;
  int current_stage_ = 0;
  bool shown_any_ = false;
  TimePoint rate_shown_until_{};
  bool paused_ = false;
  bool quit_ = false;
};

}  // namespace textshow::play
