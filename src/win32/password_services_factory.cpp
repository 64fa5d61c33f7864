#include "win32/password_services_factory.h"

#include "win32/own_password_services.h"
#include "win32/system_password_services.h"

namespace kelvor::win32 {

std::unique_ptr<PasswordServices> CreatePasswordServices(Registry& registry) {
    if (std::unique_ptr<PasswordServices> system = SystemPasswordServices::Load()) return system;
    return std::make_unique<OwnPasswordServices>(registry);
}

}  // namespace kelvor::win32
