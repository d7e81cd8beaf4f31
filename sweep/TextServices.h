// The platform's text services the sweep needs: reading ANSI text and
// lowering letters. Kept apart from the kernel32 declarations so that tests on
// other systems can supply their own.
#pragma once

#include <cstddef>

namespace text {

// Converts `length` bytes of `ansi`, in the system ANSI code page, into at most
// `capacity` UTF-16 units at `wide`. Returns the units written; 0 on failure.
std::size_t AnsiToWide(const char* ansi, std::size_t length, wchar_t* wide, std::size_t capacity);

// Lowers `length` characters of `chars` in place, the same way in every locale.
void LowerInPlace(wchar_t* chars, std::size_t length);

}  // namespace text
