#include "win32/loaded_module.h"

#include <utility>

namespace kelvor::win32 {

LoadedModule& LoadedModule::operator=(LoadedModule&& other) noexcept {
    std::swap(module_, other.module_);
    return *this;
}

LoadedModule::~LoadedModule() {
    if (module_ != nullptr) FreeLibrary(module_);
}

}  // namespace kelvor::win32
