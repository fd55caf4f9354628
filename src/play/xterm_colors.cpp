#include "play/xterm_colors.hpp"

#include <array>

namespace textshow::play {

namespace {

constexpr std::array<Rgb, 16> SYSTEM_COLORS = {{
    {0, 0, 0},       {205, 0, 0},     {0, 205, 0},     {205, 205, 0},
    {0, 0, 238},     {205, 0, 205},   {0, 205, 205},   {229, 229, 229},
    {127, 127, 127}, {255, 0, 0},     {0, 255, 0},     {255, 255, 0},
    {92, 92, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255},
}};

constexpr int CUBE_START = 16;
constexpr int CUBE_SIDE = 6;
constexpr int GREYS_START = CUBE_START + (CUBE_SIDE * CUBE_SIDE * CUBE_SIDE);
constexpr std::array<std::uint8_t, CUBE_SIDE> CUBE_LEVELS = {0, 95, 135, 175, 215, 255};
constexpr int FIRST_GREY = 8;
constexpr int GREY_STEP = 10;

std::uint8_t cube_level(int step) { return CUBE_LEVELS[static_cast<std::size_t>(step)]; }

}  // namespace

Rgb xterm_rgb(std::uint8_t number) {
  if (number < CUBE_START) {
    return SYSTEM_COLORS[number];
  }
  if (number < GREYS_START) {
    const int cube = number - CUBE_START;
    return {cube_level(cube / (CUBE_SIDE * CUBE_SIDE)), cube_level(cube / CUBE_SIDE % CUBE_SIDE),
            cube_level(cube % CUBE_SIDE)};
  }
  const auto grey = static_cast<std::uint8_t>(FIRST_GREY + (GREY_STEP * (number - GREYS_START)));
  return {grey, grey, grey};
}

}  // namespace textshow::play
