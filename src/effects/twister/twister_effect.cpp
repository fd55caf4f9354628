#include "effects/twister/twister_effect.hpp"

#include <algorithm>
#include <array>
#include <functional>

#include "run/parabolic_wave.hpp"

namespace textshow {

namespace {

constexpr int ANGLE_UNITS_PER_TURN = 100;
constexpr int EDGE_SPACING = 25;
constexpr int HIDDEN_EDGE_POSITION = 133;
constexpr int BAND_ROWS = 4;
constexpr char STRIPE = '"';

char other_fill(char fill) { return fill == ' ' ? STRIPE : ' '; }

// The twist grows with the square of the row's height above the bottom.
int twist_offset(int row_counter) { return (row_counter * row_counter + 35) / 36; }

// An edge turned to the back of the bar lies beyond the end of the row.
int edge_position(int edge_angle) {
  const bool hidden = edge_angle <= 12 || edge_angle >= 88;
  return hidden ? HIDDEN_EDGE_POSITION : 31 + parabolic_wave(edge_angle);
}

// The four edges, a quarter turn apart, in descending order: the hidden one first.
std::array<int, 4> edge_positions(int base_angle) {
  std::array<int, 4> positions{};
  for (int i = 0; i < 4; ++i) {
    int edge_angle = base_angle - EDGE_SPACING * i;
    while (edge_angle > ANGLE_UNITS_PER_TURN) {
      edge_angle -= ANGLE_UNITS_PER_TURN;
    }
    positions[i] = edge_position(edge_angle);
  }
  std::ranges::sort(positions, std::greater<>());
  return positions;
}

// A face starts one character short of a full stripe, so narrow faces
// (up to 3 characters) show the opposite fill at once.
void draw_face(const Console& console, int width, char band_fill) {
  const int stripe_length = width / 4 + 1;
  int stripe_countdown = stripe_length;
  char fill = band_fill;
  for (int n = 0; n < width; ++n) {
    if (--stripe_countdown == 0) {
      fill = other_fill(fill);
      stripe_countdown = stripe_length;
    }
    console.put(fill);
  }
}

void draw_twister_row(const Console& console, int base_angle, char band_fill) {
  const auto [hidden, high, mid, low] = edge_positions(base_angle);
  console.write_run(' ', low);
  console.put('#');
  draw_face(console, mid - low, band_fill);
  console.put('#');
  draw_face(console, high - mid, band_fill);
  console.put('#');
  console.write_run(' ', 97 - high);
  console.end_row();
}

}  // namespace

void TwisterEffect::play(const Console& console) {
  for (; cycles != 0; --cycles) {
    for (frame_counter = TWISTER_CYCLE_FRAMES; frame_counter != 0; --frame_counter) {
      draw_frame(console);
      console.end_frame();
    }
  }
}

void TwisterEffect::draw_frame(const Console& console) {
  band_counter = BAND_ROWS;
  band_fill = ' ';
  for (row_counter = FRAME_HEIGHT; row_counter != 0; --row_counter) {
    if (--band_counter == 0) {
      band_counter = BAND_ROWS;
      band_fill = other_fill(band_fill);
    }
    // A whole turn added keeps every edge angle above zero.
    const int base_angle = twist_offset(row_counter) + ANGLE_UNITS_PER_TURN + frame_counter;
    draw_twister_row(console, base_angle, band_fill);
  }
  band_counter = 0;
  band_fill = 0;
}

}  // namespace textshow
