// The text services for tests built away from Windows: bytes widen one to one
// (Latin-1) and only A to Z are lowered.
#include "../TextServices.h"

namespace text {

std::size_t AnsiToWide(const char* ansi, std::size_t length, wchar_t* wide, std::size_t capacity)
{
    std::size_t count = 0;
    for (; count < length && count < capacity; ++count)
        wide[count] = static_cast<unsigned char>(ansi[count]);
    return count;
}

void LowerInPlace(wchar_t* chars, std::size_t length)
{
    for (std::size_t i = 0; i < length; ++i)
        if (chars[i] >= L'A' && chars[i] <= L'Z')
            chars[i] = static_cast<wchar_t>(chars[i] - L'A' + L'a');
}

}  // namespace text
