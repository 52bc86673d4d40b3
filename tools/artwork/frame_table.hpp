#pragma once

// What each frame of the title animation shows, as plain data.
//
// Every frame is the 100 x 34 piece of the wall picture at (23, 23) with
// lettering painted over it, without blended edges: a pixel of a frame is
// either exactly the wall's pixel or exactly one of the inks below. Two
// pieces of lettering exist:
//   - the signature KELVANO, one ink per letter, rows 8 to 21;
//   - a second word, ВИТОК, in three stripes (white rows 25-27, blue 28-30,
//     red 31-33), of which the top `wordRows` rows are shown.
// No ink occurs in the wall's piece (it holds only reds up to 200 with no
// green or blue), so the lettering of a frame is exactly the set of pixels
// where the frame differs from the wall.

#include <array>
#include <cstdint>
#include <string_view>

namespace artwork::frames {

inline constexpr int kFrameCount = 41;
inline constexpr int kWidth = 100;
inline constexpr int kHeight = 34;
inline constexpr int kWallX = 23;  // where the frames are cut from the wall
inline constexpr int kWallY = 23;

inline constexpr std::string_view kSignature = "KELVANO";
inline constexpr int kSignatureTop = 8;  // first and last row of the signature
inline constexpr int kSignatureBottom = 21;
inline constexpr int kWordTop = 25;  // first and last row of the second word
inline constexpr int kWordBottom = 33;
inline constexpr int kStripeRows = 3;

struct Ink {
  char code;
  std::uint8_t red, green, blue;
};

// Ink codes used in the table; '.' leaves the letter out.
inline constexpr std::array<Ink, 8> kInks{{
    {'Y', 255, 255, 0},    // yellow
    {'G', 0, 255, 0},      // green
    {'C', 128, 255, 255},  // light cyan
    {'R', 255, 128, 64},   // orange
    {'W', 255, 255, 255},  // white
    {'B', 0, 0, 255},      // blue
    {'M', 255, 0, 255},    // magenta
    {'O', 128, 128, 64},   // olive
}};

// Stripes of the second word, top to bottom.
inline constexpr std::array<Ink, 3> kWordStripes{{
    {'W', 255, 255, 255},
    {'B', 0, 0, 255},
    {'R', 255, 0, 0},
}};

struct FrameContent {
  std::string_view signature;  // one ink code per letter of kSignature
  int wordRows;                // rows of the second word shown, from its top
};

// The colour wave (frames 2 to 13) sends every letter through green, light
// cyan, orange, white, blue, magenta and olive, one colour per frame, and
// back to yellow. K and E set off together in frame 2 and each further
// letter one frame later, so that the wave ends with O alone in olive in
// frame 13.
inline constexpr std::array<FrameContent, kFrameCount> kFrames{{
    {"YYYYYYY", 0},  // 0
    {"YYYYYYY", 0},  // 1
    {"GGYYYYY", 0},  // 2
    {"CCGYYYY", 0},  // 3
    {"RRCGYYY", 0},  // 4
    {"WWRCGYY", 0},  // 5
    {"BBWRCGY", 0},  // 6
    {"MMBWRCG", 0},  // 7
    {"OOMBWRC", 0},  // 8
    {"YYOMBWR", 0},  // 9
    {"YYYOMBW", 0},  // 10
    {"YYYYOMB", 0},  // 11
    {"YYYYYOM", 0},  // 12
    {"YYYYYYO", 0},  // 13
    {"YYYYYYY", 0},  // 14
    {"YYYYYYY", 1},  // 15: the second word is uncovered row by row
    {"YYYYYYY", 2},  // 16
    {"YYYYYYY", 3},  // 17
    {"YYYYYYY", 4},  // 18
    {"YYYYYYY", 5},  // 19
    {"YYYYYYY", 6},  // 20
    {"YYYYYYY", 7},  // 21
    {"YYYYYYY", 8},  // 22
    {"YYYYYYY", 9},  // 23: and held whole
    {"YYYYYYY", 9},  // 24
    {"YYYYYYY", 9},  // 25
    {"YYYYYYY", 9},  // 26
    {"YYYYYYY", 9},  // 27
    {"YYYYYYY", 9},  // 28
    {"YYYYYYY", 0},  // 29
    {"YYYYYYY", 0},  // 30
    {"YYYYYYY", 0},  // 31
    {"YYYYYYY", 0},  // 32
    {".......", 0},  // 33: bare wall
    {".......", 0},  // 34
    {".......", 0},  // 35
    {".......", 0},  // 36
    {".......", 0},  // 37
    {".......", 0},  // 38
    {"YYYYYYY", 0},  // 39
    {"YYYYYYY", 0},  // 40: same as frame 0, never shown
}};

}  // namespace artwork::frames
