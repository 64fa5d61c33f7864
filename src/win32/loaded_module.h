#pragma once
// A DLL loaded at run time and functions looked up in it, so that the program starts on systems
// that lack them (iphlpapi, the multi-monitor calls, password.cpl, ...).

#include <windows.h>

namespace kelvor::win32 {

class LoadedModule {
public:
    explicit LoadedModule(const char* name) : module_(LoadLibraryA(name)) {}
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;
    LoadedModule(LoadedModule&& other) noexcept : module_(other.module_) { other.module_ = nullptr; }
    LoadedModule& operator=(LoadedModule&& other) noexcept;
    ~LoadedModule();

    bool Loaded() const { return module_ != nullptr; }

    // The function of that name with the given signature, or nullptr when it is not exported.
    template <typename Function>
    Function* Find(const char* name) const {
        if (module_ == nullptr) return nullptr;
        return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
    }

private:
    HMODULE module_;
};

}  // namespace kelvor::win32
