// Conversions from a form's description to pixels at a given DPI, kept free of
// Windows so that they can be tested anywhere.
#pragma once

namespace forms {

constexpr int kTwipsPerInch = 1440;
constexpr int kPointsPerInch = 72;

// Rounds half away from zero, as MulDiv does, for the non-negative values of a
// layout: 1995 twips at 144 DPI are 199.5 pixels and come out as 200.
constexpr int ScaleRounded(int value, int numerator, int denominator)
{
    return (value * numerator + denominator / 2) / denominator;
}

constexpr int TwipsToPixels(int twips, int dpi) { return ScaleRounded(twips, dpi, kTwipsPerInch); }

// A LOGFONT height: negative, so that it gives the character height in pixels.
constexpr int FontHeightForPoints(int points, int dpi) { return -ScaleRounded(points, dpi, kPointsPerInch); }

// Where a span of `length` starts when centred in one that starts at `start`.
constexpr int CentredStart(int start, int areaLength, int length) { return start + (areaLength - length) / 2; }

}  // namespace forms
