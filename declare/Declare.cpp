#include "Declare.h"

#include <windows.h>

namespace declare {

void* ResolveExport(const wchar_t* library, const char* entryPoint)
{
    const HMODULE module = GetModuleHandleW(library);
    if (module == nullptr)
        return nullptr;
    return reinterpret_cast<void*>(GetProcAddress(module, entryPoint));
}

}  // namespace declare
