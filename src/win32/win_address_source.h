#pragma once
// The computer's addresses from the IP helper, looked up at run time: GetAdaptersAddresses where
// there is one (XP on: IPv4 and IPv6, each interface's state and type), else GetIpAddrTable (98,
// NT 4 SP4: IPv4), else, on Windows 95 without the IP helper, the addresses Winsock resolves for
// the computer's own name. Changes are announced by NotifyAddrChange, checked without waiting.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "probes/address_source.h"
#include "win32/loaded_module.h"
#include "win32/scoped_handle.h"

namespace kelvor::win32 {

// One pending address-change notification at a time, re-armed after each change and cancelled at
// the end. Where the system has no notification, or one that gives no handle to complete on (Wine's
// stand-in never completes), it cannot tell.
class AddressChangeNotification {
public:
    explicit AddressChangeNotification(const LoadedModule& iphlpapi);
    AddressChangeNotification(const AddressChangeNotification&) = delete;
    AddressChangeNotification& operator=(const AddressChangeNotification&) = delete;
    ~AddressChangeNotification();

    AddressSource::News ChangedSinceLastCall();

private:
    void Arm();
    void Cancel();

    LateBoundPointer<api::NotifyAddrChange> notify_;
    LateBoundPointer<api::CancelIPChangeNotify> cancelNotify_;
    LoadedModule kernel_{"kernel32.dll"};
    LateBoundPointer<api::CancelIo> cancelIo_;
    ScopedKernelHandle event_;
    // The system writes into it while a notification is pending: it stays in place until then.
    OVERLAPPED overlapped_{};
    HANDLE device_ = nullptr;  // the IP helper's, not ours to close
    bool pending_ = false;
};

// Each reader gives nullopt where its call is missing or fails.
std::optional<std::vector<HostAddress>> ReadAdapterAddresses(const LoadedModule& iphlpapi);
std::optional<std::vector<HostAddress>> ReadIpAddressTable(const LoadedModule& iphlpapi);
std::optional<std::vector<HostAddress>> ReadHostNameAddresses();

class WinAddressSource final : public AddressSource {
public:
    WinAddressSource() : iphlpapi_("iphlpapi.dll"), notification_(iphlpapi_) {}

    std::optional<std::vector<HostAddress>> Read() override;
    News ChangedSinceLastCall() override { return notification_.ChangedSinceLastCall(); }

private:
    LoadedModule iphlpapi_;
    AddressChangeNotification notification_;
};

}  // namespace kelvor::win32
