#include "TextServices.h"

#include <windows.h>

namespace text {

std::size_t AnsiToWide(const char* ansi, std::size_t length, wchar_t* wide, std::size_t capacity)
{
    if (length == 0)
        return 0;
    const int written =
        MultiByteToWideChar(CP_ACP, 0, ansi, static_cast<int>(length), wide, static_cast<int>(capacity));
    return written > 0 ? static_cast<std::size_t>(written) : 0;
}

void LowerInPlace(wchar_t* chars, std::size_t length)
{
    // The invariant locale keeps the mapping the same for every user: a
    // Turkish locale, say, would otherwise lower 'I' to a dotless 'i'.
    if (length == 0)
        return;
    const int count = static_cast<int>(length);
    LCMapStringW(LOCALE_INVARIANT, LCMAP_LOWERCASE, chars, count, chars, count);
}

}  // namespace text
