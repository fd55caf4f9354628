#include "effects/marquee/segment_font.hpp"

namespace textshow {

namespace {

constexpr int B = STROKE_BLANK;
constexpr int V = STROKE_VERTICAL;
constexpr int H = STROKE_HORIZONTAL;

// The letter each glyph reads as is noted where it reads as one.
constexpr SegmentFont SEGMENT_FONT = {{
    {B, B, B, B, B, B, B, B, B},  //  1 blank
    {B, V, B, B, V, B, B, V, B},  //  2 i, l
    {B, H, B, B, B, B, B, V, B},  //  3 T
    {B, B, B, B, B, H, B, V, B},  //  4 r
    {B, B, B, V, B, V, B, V, B},  //  5 v
    {B, B, B, V, B, V, V, V, V},  //  6 w
    {B, B, B, B, B, B, V, H, V},  //  7 u
    {B, B, B, B, H, B, V, H, V},  //  8 o
    {B, B, B, B, H, B, V, H, B},  //  9 c
    {B, B, B, B, H, B, V, V, V},  // 10 m
    {B, B, B, B, H, B, V, B, V},  // 11 n
    {V, B, B, V, H, B, V, B, V},  // 12 h
    {V, B, B, V, H, B, V, H, V},  // 13 b
    {B, H, B, V, H, B, B, H, V},  // 14 s
    {B, H, B, V, H, V, B, H, V},  // 15 g
    {B, H, B, V, H, V, V, H, V},  // 16 8
    {B, H, B, V, H, V, V, H, B},  // 17 e
    {B, H, B, V, H, V, V, B, B},  // 18 p
    {B, H, B, V, H, B, V, B, B},  // 19 f
    {V, H, V, V, H, B, V, B, V},  // 20 k
    {B, H, B, B, H, V, V, H, V},  // 21 a
    {B, B, V, B, H, V, V, H, V},  // 22 d
    {B, B, B, V, H, V, B, V, B},  // 23 y
    {B, B, B, B, V, H, B, V, H},  // 24 t
}};

}  // namespace

const GlyphPattern& decode_glyph(int glyph_code) { return SEGMENT_FONT[glyph_code - 1]; }

}  // namespace textshow
