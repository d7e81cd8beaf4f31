// Late binding of DLL exports by name, the way a declaration in a code module
// names its library and entry point and is resolved on its first call.
#pragma once

namespace declare {

// The address of `entryPoint` in `library`, or null when the library does not
// export it. Only libraries the program already has mapped are asked, so no
// DLL is ever searched for on disk.
void* ResolveExport(const wchar_t* library, const char* entryPoint);

template <typename Procedure>
Procedure Bind(const wchar_t* library, const char* entryPoint)
{
    return reinterpret_cast<Procedure>(ResolveExport(library, entryPoint));
}

}  // namespace declare
