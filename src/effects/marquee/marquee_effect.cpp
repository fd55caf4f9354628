#include "effects/marquee/marquee_effect.hpp"

#include "effects/marquee/band_texts.hpp"
#include "effects/marquee/text_band.hpp"

namespace textshow {

namespace {

constexpr int MARQUEE_MARGIN_ROWS = 19;
constexpr int BAR_ROWS = 3;
constexpr int TEXTS_PER_PAGE = 2;

static_assert(MARQUEE_PAGES * TEXTS_PER_PAGE == BAND_TEXT_COUNT);
static_assert(2 * MARQUEE_MARGIN_ROWS + 4 * BAR_ROWS == FRAME_HEIGHT);

// Column x (1 to 100) is ink when (pre_roll + x) mod 8 is in the second half
// of the period: blocks of four "#" and four spaces.
void draw_bar_row(const Console& console, int pre_roll) {
  for (int x = 1; x <= FRAME_WIDTH; ++x) {
    const bool ink = (pre_roll + x) % MARQUEE_BAR_PERIOD >= MARQUEE_BAR_PERIOD / 2;
    console.put(ink ? '#' : ' ');
  }
  console.end_row();
}

void draw_bar_strip(const Console& console, int pre_roll) {
  for (int row = BAR_ROWS; row != 0; --row) {
    draw_bar_row(console, pre_roll);
  }
}

}  // namespace

void MarqueeEffect::play(const Console& console) {
  while (page_counter != 0) {
    draw_frame(console);
    console.end_frame();
    if (--page_frames_left == 0) {
      page_frames_left = PAGE_FRAMES;
      page_counter -= TEXTS_PER_PAGE;
    }
    bar_phase = bar_phase == 1 ? MARQUEE_BAR_PERIOD : bar_phase - 1;
  }
  page_frames_left = 0;
  bar_phase = 0;
}

// The upper strip is rolled on as far as the lower one is held back, so the
// two move in opposite directions.
void MarqueeEffect::draw_frame(const Console& console) const {
  const int upper_text = BAND_TEXT_COUNT + 1 - page_counter;
  console.emit_blank_rows(MARQUEE_MARGIN_ROWS);
  draw_bar_strip(console, MARQUEE_BAR_PERIOD + 1 - bar_phase);
  draw_text_band(console, upper_text);
  draw_text_band(console, upper_text + 1);
  draw_bar_strip(console, bar_phase);
  console.emit_blank_rows(MARQUEE_MARGIN_ROWS);
}

}  // namespace textshow
