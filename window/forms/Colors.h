// The colour a control's text is drawn in, kept free of Windows so that the
// choice can be tested anywhere. Colours are COLORREF values (0x00BBGGRR).
#pragma once

#include <cstdint>

namespace forms {

using Color = std::uint32_t;

// A designed colour may be unreadable on a high-contrast scheme's background,
// so high contrast gives way to the scheme's own text colour.
constexpr Color TextColor(Color designed, bool highContrast, Color systemText)
{
    return highContrast ? systemText : designed;
}

}  // namespace forms
