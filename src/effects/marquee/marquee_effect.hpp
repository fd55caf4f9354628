#pragma once

#include "run/console.hpp"

namespace textshow {

inline constexpr int MARQUEE_PAGES = 4;
inline constexpr int PAGE_FRAMES = 70;
inline constexpr int MARQUEE_FRAMES = MARQUEE_PAGES * PAGE_FRAMES;
inline constexpr int MARQUEE_BAR_PERIOD = 8;

// Effect 1: two lines of segment text stand between two strips of "####"
// blocks that move one column a frame in opposite directions. The text turns
// to the next page every PAGE_FRAMES frames; page_counter counts the texts
// still to show, two a page.
struct MarqueeEffect {
  int page_counter = 2 * MARQUEE_PAGES;
  int page_frames_left = PAGE_FRAMES;
  int bar_phase = MARQUEE_BAR_PERIOD;

  void play(const Console& console);

 private:
  void draw_frame(const Console& console) const;
};

}  // namespace textshow
