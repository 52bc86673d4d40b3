// The animation frames as the program ships them, checked pixel for pixel
// against the wall they are cut from and against what each frame must show.
#include <gtest/gtest.h>
#include <QImage>
#include <algorithm>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "artwork/frame_table.hpp"
#include "presentation/widgets/artwork.hpp"

namespace {

using namespace artwork::frames;

// Pixels of a frame, row by row.
using Mask = std::vector<bool>;

QImage embedded(const char* name) {
  return ringcoil::embeddedPicture(QString::fromLatin1(name));
}

QRgb rgb(const Ink& ink) {
  return qRgb(ink.red, ink.green, ink.blue);
}

QRgb inkFor(char code) {
  for (const Ink& ink : kInks) {
    if (ink.code == code) return rgb(ink);
  }
  ADD_FAILURE() << "unknown ink " << code;
  return 0;
}

const QRgb kYellow = qRgb(255, 255, 0);

class Frames : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    wall_ = new QImage(embedded("wall"));
    strip_ = new QImage(embedded("frames"));
  }
  static void TearDownTestSuite() {
    delete wall_;
    delete strip_;
  }

  static QImage frame(int index) { return strip_->copy(0, index * kHeight, kWidth, kHeight); }
  static QImage wallPiece() { return wall_->copy(kWallX, kWallY, kWidth, kHeight); }

  // The lettering of a frame: where it differs from the wall it is cut from.
  static Mask lettering(int index) {
    const QImage f = frame(index);
    const QImage wall = wallPiece();
    Mask mask(kWidth * kHeight);
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) mask[at(x, y)] = f.pixel(x, y) != wall.pixel(x, y);
    }
    return mask;
  }

  static std::size_t at(int x, int y) { return std::size_t(y * kWidth + x); }
  // First and last row the mask touches.
  static std::pair<int, int> rowRange(const Mask& mask) {
    int first = kHeight, last = -1;
    for (std::size_t p = 0; p < mask.size(); ++p) {
      if (!mask[p]) continue;
      first = std::min(first, int(p) / kWidth);
      last = std::max(last, int(p) / kWidth);
    }
    return {first, last};
  }

  static inline QImage* wall_ = nullptr;
  static inline QImage* strip_ = nullptr;
};

TEST_F(Frames, StripHoldsFortyOneTrueColourFramesOfTheBoxSize) {
  EXPECT_EQ(wall_->size(), QSize(486, 325));
  EXPECT_EQ(strip_->size(), QSize(kWidth, kHeight * kFrameCount));
}

TEST_F(Frames, BareWallFramesAreTheWallPieceItself) {
  for (int i = 33; i <= 38; ++i) EXPECT_EQ(frame(i), wallPiece()) << "frame " << i;
}

// The signature of frame 0 and the whole word of frame 23 are all the
// lettering there is; everywhere else every frame is the wall.
TEST_F(Frames, LetteringLiesOnlyInTheSignatureAndTheWord) {
  const Mask signature = lettering(0);
  const Mask full = lettering(23);
  Mask word(signature.size());
  for (std::size_t p = 0; p < word.size(); ++p) word[p] = full[p] && !signature[p];

  EXPECT_EQ(rowRange(signature), std::make_pair(8, 21));
  EXPECT_EQ(rowRange(word), std::make_pair(25, 33));

  for (int i = 0; i < kFrameCount; ++i) {
    const Mask mask = lettering(i);
    for (std::size_t p = 0; p < mask.size(); ++p) {
      ASSERT_TRUE(!mask[p] || signature[p] || word[p])
          << "frame " << i << " differs from the wall at " << p % kWidth << "," << p / kWidth;
    }
  }
}

TEST_F(Frames, StillSignatureFramesRepeatFrameZeroAllInYellow) {
  const QImage first = frame(0);
  const Mask mask = lettering(0);
  for (std::size_t p = 0; p < mask.size(); ++p) {
    if (mask[p]) {
      ASSERT_EQ(first.pixel(int(p) % kWidth, int(p) / kWidth), kYellow);
    }
  }
  EXPECT_EQ(frame(40), first) << "frame 40 must repeat frame 0";
  for (int i : {1, 14, 29, 30, 31, 32, 39}) EXPECT_EQ(frame(i), first) << "frame " << i;
}

// Every pixel of the signature goes yellow, green, light cyan, orange, white,
// blue, magenta, olive, yellow, one colour per frame; the letters set off
// from left to right, the first in frame 2 and the last in frame 7, so that
// frame 13 shows only the last letter coloured.
TEST_F(Frames, ColourWaveRunsEveryLetterThroughTheSevenColoursFromLeftToRight) {
  const std::vector<QRgb> wave = {qRgb(0, 255, 0),     qRgb(128, 255, 255), qRgb(255, 128, 64),
                                  qRgb(255, 255, 255), qRgb(0, 0, 255),     qRgb(255, 0, 255),
                                  qRgb(128, 128, 64)};
  const Mask signature = lettering(0);
  for (int i = 2; i <= 13; ++i) EXPECT_EQ(lettering(i), signature) << "frame " << i;

  std::vector<QImage> frames;
  for (int i = 0; i <= 14; ++i) frames.push_back(frame(i));
  std::map<int, std::vector<int>> columnsByStart;  // first coloured frame -> columns
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      if (!signature[at(x, y)]) continue;
      int start = 0;
      while (start <= 14 && frames[std::size_t(start)].pixel(x, y) == kYellow) ++start;
      ASSERT_GE(start, 2) << x << "," << y;
      ASSERT_LE(start, 7) << x << "," << y;
      for (int i = 0; i <= 14; ++i) {
        const int step = i - start;
        const QRgb want = step >= 0 && step < 7 ? wave[std::size_t(step)] : kYellow;
        ASSERT_EQ(frames[std::size_t(i)].pixel(x, y), want)
            << "frame " << i << " at " << x << "," << y;
      }
      columnsByStart[start].push_back(x);
    }
  }
  // Six start frames 2..7, moving rightwards.
  ASSERT_EQ(columnsByStart.size(), 6u);
  EXPECT_EQ(columnsByStart.begin()->first, 2);
  double previous = -1;
  for (const auto& [start, columns] : columnsByStart) {
    double mean = 0;
    for (int x : columns) mean += x;
    mean /= double(columns.size());
    EXPECT_GT(mean, previous) << "letters setting off in frame " << start;
    previous = mean;
  }
}

// Frames 15 to 22 show the top 1 to 8 rows of the word, frames 23 to 28 all
// nine, in white, blue and red stripes of three rows; the signature stays.
TEST_F(Frames, SecondWordIsUncoveredRowByRowInThreeStripes) {
  const QImage first = frame(0);
  const QImage whole = frame(23);
  const Mask signature = lettering(0);
  const QRgb stripes[] = {qRgb(255, 255, 255), qRgb(0, 0, 255), qRgb(255, 0, 0)};
  for (int i = 15; i <= 28; ++i) {
    const int rows = std::min(i - 14, 9);
    EXPECT_EQ(kFrames[std::size_t(i)].wordRows, rows) << "table, frame " << i;
    const QImage f = frame(i);
    for (int y = 0; y < kHeight; ++y) {
      int wordPixels = 0;
      for (int x = 0; x < kWidth; ++x) {
        const QRgb pixel = f.pixel(x, y);
        if (signature[at(x, y)]) {
          ASSERT_EQ(pixel, first.pixel(x, y)) << "frame " << i;
          continue;
        }
        const bool shown = y >= kWordTop && y < kWordTop + rows;
        ASSERT_EQ(pixel, shown ? whole.pixel(x, y) : wallPiece().pixel(x, y))
            << "frame " << i << " at " << x << "," << y;
        if (shown && pixel != wallPiece().pixel(x, y)) {
          ASSERT_EQ(pixel, stripes[(y - kWordTop) / 3]) << "row " << y;
          ++wordPixels;
        }
      }
      if (y >= kWordTop && y < kWordTop + rows) {
        EXPECT_GT(wordPixels, 0) << "frame " << i << " row " << y;
      }
    }
  }
}

// Five letters set apart, centred under the signature.
TEST_F(Frames, SecondWordIsFiveSpacedLettersCentredUnderTheSignature) {
  const Mask signature = lettering(0);
  const Mask full = lettering(23);
  auto columnSpan = [&](auto inWord) {
    std::vector<bool> used(kWidth);
    for (std::size_t p = 0; p < full.size(); ++p) {
      if (inWord(p)) used[p % kWidth] = true;
    }
    return used;
  };
  const std::vector<bool> wordColumns =
      columnSpan([&](std::size_t p) { return full[p] && !signature[p]; });
  const std::vector<bool> signatureColumns =
      columnSpan([&](std::size_t p) { return signature[p]; });
  int letters = 0;
  for (int x = 0; x < kWidth; ++x)
    letters += wordColumns[std::size_t(x)] && (x == 0 || !wordColumns[std::size_t(x - 1)]);
  EXPECT_EQ(letters, 5);
  auto centre = [](const std::vector<bool>& columns) {
    int left = kWidth, right = -1;
    for (int x = 0; x < kWidth; ++x) {
      if (columns[std::size_t(x)]) left = std::min(left, x), right = std::max(right, x);
    }
    return (left + right) / 2.0;
  };
  EXPECT_NEAR(centre(wordColumns), centre(signatureColumns), 1.5);
}

// Each frame carries exactly the inks its row of the frame table names, and
// nothing in between: the lettering has no blended edges.
TEST_F(Frames, InksOfEveryFrameAreThoseOfItsTableRow) {
  for (int i = 0; i < kFrameCount; ++i) {
    const FrameContent& content = kFrames[std::size_t(i)];
    std::set<QRgb> expected;
    for (char code : content.signature) {
      if (code != '.') expected.insert(inkFor(code));
    }
    for (int stripe = 0; stripe < 3; ++stripe) {
      if (content.wordRows > stripe * kStripeRows)
        expected.insert(rgb(kWordStripes[std::size_t(stripe)]));
    }
    std::set<QRgb> found;
    const QImage f = frame(i);
    const Mask mask = lettering(i);
    for (std::size_t p = 0; p < mask.size(); ++p) {
      if (mask[p]) found.insert(f.pixel(int(p) % kWidth, int(p) / kWidth));
    }
    EXPECT_EQ(found, expected) << "frame " << i;
  }
}

}  // namespace
