// Twips and points to pixels at the DPIs users run, and the label colour choice.
#include "Scaling.h"
#include "Colors.h"

#include <gtest/gtest.h>

namespace {

struct TwipsCase {
    int twips, dpi, pixels;
};

TEST(Scaling, TwipsToPixelsRoundsLikeMulDiv)
{
    const TwipsCase cases[] = {
        {4680, 96, 312},  {1560, 96, 104},  {1995, 96, 133},  {555, 96, 37},  {2805, 96, 187},
        {465, 96, 31},    {4680, 120, 390}, {1995, 120, 166}, {555, 120, 46}, {1260, 120, 105},
        {4680, 144, 468}, {1560, 144, 156}, {1995, 144, 200}, {555, 144, 56}, {465, 144, 47},
        {4680, 192, 624}, {1995, 192, 266}, {555, 192, 74},   {0, 144, 0},
    };
    for (const TwipsCase& c : cases)
        EXPECT_EQ(forms::TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " twips at " << c.dpi << " DPI";
}

TEST(Scaling, NinePointFontHeightFollowsDpi)
{
    EXPECT_EQ(forms::FontHeightForPoints(9, 96), -12);
    EXPECT_EQ(forms::FontHeightForPoints(9, 120), -15);
    EXPECT_EQ(forms::FontHeightForPoints(9, 144), -18);
    EXPECT_EQ(forms::FontHeightForPoints(9, 192), -24);
}

TEST(Scaling, CentresInTheArea)
{
    EXPECT_EQ(forms::CentredStart(0, 1024, 318), 353);
    EXPECT_EQ(forms::CentredStart(100, 800, 200), 400);
}

TEST(Colors, HighContrastGivesTheSystemTextColour)
{
    constexpr forms::Color darkOrange = 0x000040C0, systemText = 0x00FFFFFF;
    EXPECT_EQ(forms::TextColor(darkOrange, false, systemText), darkOrange);
    EXPECT_EQ(forms::TextColor(darkOrange, true, systemText), systemText);
}

}  // namespace
