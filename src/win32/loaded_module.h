#pragma once
// A library loaded at run time and the functions of the late-bound list (late_bound_api.h) found
// in it, so that the program starts on systems that lack them.

#include <windows.h>

#include "win32/late_bound_api.h"
#include "win32/scoped_handle.h"

namespace kelvor::win32 {

class LoadedModule {
public:
    explicit LoadedModule(const char* name) : module_(LoadLibraryA(name)) {}

    bool Loaded() const { return static_cast<bool>(module_); }

    // The function, or nullptr when this library does not export it.
    template <typename Function>
    Function* Find(const LateBoundApi<Function>& api) const {
        if (!module_) return nullptr;
        return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module_.Get(), api.name)));
    }

private:
    ScopedLibrary module_;
};

}  // namespace kelvor::win32
