// The help page pictures as the program ships them: their text stays where
// the page boxes show it and clear of the buttons on top of it, and the
// justified lines have no holes and no spaced-out letters.
#include <gtest/gtest.h>
#include <QImage>
#include <QResource>
#include <QSysInfo>
#include <algorithm>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "artwork/page_text.hpp"
#include "presentation/widgets/artwork.hpp"
#include "window/geometry.hpp"

namespace ringcoil {
namespace {

struct Page {
  const char* resource;
  std::optional<Id> button;  // the page's own button, drawn over the picture
};

const Page kPages[] = {
    {"page1", el::Далее},
    {"page2", el::Далеее},
    {"page3", el::Закрыть},
    {"author", std::nullopt},
};

QImage embedded(const char* name) {
  return ringcoil::embeddedPicture(QString::fromLatin1(name));
}

// The grounds and their lettering texture are greys; all text is coloured.
bool isText(QRgb pixel) {
  const int high = std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)});
  const int low = std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)});
  return high - low > 24;
}

// The program embeds its pictures, icon sizes and pointers as raw pixels made
// at build time from the committed PNG files; they must be those pictures,
// pixel for pixel, transparency included.
TEST(EmbeddedPictures, AreTheCommittedPicturesPixelForPixel) {
  for (const char* name : {"wall", "frames", "page1", "page2", "page3", "author", "icon-16", "icon-24",
                           "icon-32", "icon-48", "icon-64", "cursor-help", "cursor-arrow", "cursor-icon"}) {
    SCOPED_TRACE(name);
    const QImage png(QStringLiteral(RINGCOIL_ASSET_DIR "/%1.png").arg(QLatin1String(name)));
    ASSERT_FALSE(png.isNull());
    const QImage committed =
        png.convertToFormat(png.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    EXPECT_EQ(ringcoil::embeddedPicture(QString::fromLatin1(name)), committed);
  }
  EXPECT_TRUE(ringcoil::embeddedPicture(QStringLiteral("no-such-picture")).isNull());
}

// The pictures shown at start cost nothing to make ready: each image is made
// over the program's own embedded bytes, not decoded or copied into memory of
// its own. (The help pages are unpacked when first shown.)
TEST(EmbeddedPictures, AreDrawnFromTheEmbeddedBytes) {
  if (QSysInfo::ByteOrder != QSysInfo::LittleEndian) GTEST_SKIP() << "copied on big-endian machines";
  for (const char* name : {"wall", "frames", "icon-16", "icon-64", "cursor-help"}) {
    SCOPED_TRACE(name);
    const QResource resource(QStringLiteral(":/pictures/%1.rgb32").arg(QLatin1String(name)));
    ASSERT_TRUE(resource.isValid());
    EXPECT_EQ(ringcoil::embeddedPicture(QString::fromLatin1(name)).constBits(), resource.data() + 12);
  }
}

TEST(PagePictures, AreTrueColourAtThePageSize) {
  for (const Page& page : kPages) {
    const QImage image = embedded(page.resource);
    EXPECT_EQ(image.size(), QSize(338, 251)) << page.resource;
    EXPECT_EQ(image.format(), QImage::Format_RGB32) << page.resource;
  }
}

// The frames of the page boxes hide everything right of column 331 and below
// row 240; a button covers its rectangle (relative to the box's inner area,
// which is where the picture starts).
TEST(PagePictures, TextStaysInTheSeenAreaAndClearOfTheButtons) {
  for (const Page& page : kPages) {
    const QImage image = embedded(page.resource);
    const PixelRect button = page.button ? pixelRect(*page.button) : PixelRect{};
    int text = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (!isText(image.pixel(x, y))) continue;
        ++text;
        EXPECT_TRUE(x < 331 && y < 240) << page.resource << " at " << x << "," << y;
        EXPECT_FALSE(button.contains(x, y)) << page.resource << " at " << x << "," << y;
      }
    }
    EXPECT_GT(text, 2000) << page.resource;
  }
}

// Calls `line` with the text columns of each line of text, top to bottom.
// A line is a band of rows with text, the bands split by empty rows.
void forEachLine(const QImage& image, const std::function<void(const std::vector<bool>&)>& line) {
  int y = 0;
  while (y < image.height()) {
    std::vector<bool> columns(std::size_t(image.width()));
    bool any = false;
    for (; y < image.height(); ++y) {
      bool row = false;
      for (int x = 0; x < image.width(); ++x) {
        if (isText(image.pixel(x, y))) row = columns[std::size_t(x)] = true;
      }
      if (!row && any) break;
      any = any || row;
    }
    if (!any) break;
    line(columns);
  }
}

// The widest run of text-free columns inside each line of text, top to bottom.
std::vector<int> widestGapPerLine(const QImage& image) {
  std::vector<int> gaps;
  forEachLine(image, [&](const std::vector<bool>& columns) {
    const auto first = std::find(columns.begin(), columns.end(), true);
    const auto last = std::find(columns.rbegin(), columns.rend(), true).base();
    int widest = 0, run = 0;
    for (auto c = first; c != last; ++c) {
      run = *c ? 0 : run + 1;
      widest = std::max(widest, run);
    }
    gaps.push_back(widest);
  });
  return gaps;
}

// The runs of at least three text-free columns inside each line of text,
// top to bottom: the word spaces, and nothing between the letters of a word.
std::vector<int> wordGapsPerLine(const QImage& image) {
  std::vector<int> counts;
  forEachLine(image, [&](const std::vector<bool>& columns) {
    const auto first = std::find(columns.begin(), columns.end(), true);
    const auto last = std::find(columns.rbegin(), columns.rend(), true).base();
    int gaps = 0, run = 0;
    for (auto c = first; c != last; ++c) {
      if (*c) {
        gaps += run >= 3;
        run = 0;
      } else {
        ++run;
      }
    }
    counts.push_back(gaps);
  });
  return counts;
}

// Justified lines widen their word gaps only, to three spaces at most; a
// line that would need more is set flush left. So no gap comes near the
// width of a word, and no line has its letters spaced out.
TEST(PagePictures, JustifiedLinesHaveNoHolesAndNoSpacedLetters) {
  using namespace page_text;
  QStringList page1 = kPage1Opening;
  page1 << kPage1Merits << kPage1MeritLines << kPage1Drawbacks << kPage1DrawbackLines;
  QStringList page2;
  for (const QStringList& paragraph : kPage2Paragraphs) page2 << paragraph;
  const std::pair<const char*, QStringList> pages[] = {{"page1", page1}, {"page2", page2}};
  for (const auto& [resource, lines] : pages) {
    const QImage image = embedded(resource);
    const std::vector<int> widest = widestGapPerLine(image);
    const std::vector<int> gaps = wordGapsPerLine(image);
    ASSERT_EQ(widest.size(), std::size_t(lines.size())) << resource;
    for (std::size_t line = 0; line < widest.size(); ++line) {
      SCOPED_TRACE(lines[qsizetype(line)].toStdString());
      EXPECT_LE(widest[line], 12) << resource << " line " << line + 1;
      // A full stop or a hyphen may leave one more gap than the blanks.
      EXPECT_LE(gaps[line], lines[qsizetype(line)].count(QLatin1Char(' ')) + 1)
          << resource << " line " << line + 1;
    }
  }
}

}  // namespace
}  // namespace ringcoil
