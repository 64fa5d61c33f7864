#include "win32/win_address_source.h"

#include <winsock2.h>
#include <ws2tcpip.h>
#include <iphlpapi.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>

namespace kelvor::win32 {

namespace {

// The IP helper's status codes that matter here (winerror.h names them the same).
constexpr ULONG kBufferOverflow = ERROR_BUFFER_OVERFLOW;
constexpr ULONG kNoData = ERROR_NO_DATA;

std::optional<HostAddress> FromSocketAddress(const SOCKADDR* address) {
    if (address == nullptr) return std::nullopt;
    if (address->sa_family == AF_INET) {
        const auto* v4 = reinterpret_cast<const sockaddr_in*>(address);
        return AddressFromBytes(std::span(reinterpret_cast<const uint8_t*>(&v4->sin_addr), 4));
    }
    if (address->sa_family == AF_INET6) {
        const auto* v6 = reinterpret_cast<const sockaddr_in6*>(address);
        return AddressFromBytes(std::span(reinterpret_cast<const uint8_t*>(&v6->sin6_addr), 16));
    }
    return std::nullopt;
}

// An IPv4 address as the IP helper and Winsock hold it: in network order in memory.
std::optional<HostAddress> FromIPv4(const void* networkOrder) {
    return AddressFromBytes(std::span(static_cast<const uint8_t*>(networkOrder), 4));
}

// Calls `query(buffer, &size)` until the buffer is large enough; a few rounds, since the table
// can grow between the size query and the read. The buffer is of 8-byte units for the records'
// alignment.
template <typename Query>
ULONG QueryGrowing(std::vector<uint64_t>& buffer, Query query) {
    ULONG size = 16 * 1024;
    ULONG status = kBufferOverflow;
    for (int round = 0; round < 4 && (status == kBufferOverflow || status == ERROR_INSUFFICIENT_BUFFER); ++round) {
        buffer.assign((size + sizeof(uint64_t) - 1) / sizeof(uint64_t), 0);
        size = static_cast<ULONG>(buffer.size() * sizeof(uint64_t));
        status = query(buffer.data(), &size);
    }
    return status;
}

// Closes Winsock again after a successful start.
class WinsockSession {
public:
    explicit WinsockSession(const LoadedModule& library) : cleanup_(library.Find(api::WSACleanup)) {
        auto* const startup = library.Find(api::WSAStartup);
        WSADATA data{};
        started_ = startup != nullptr && cleanup_ != nullptr && startup(MAKEWORD(1, 1), &data) == 0;
    }
    WinsockSession(const WinsockSession&) = delete;
    WinsockSession& operator=(const WinsockSession&) = delete;
    ~WinsockSession() {
        if (started_) cleanup_();
    }
    bool Started() const { return started_; }

private:
    LateBoundPointer<api::WSACleanup> cleanup_;
    bool started_ = false;
};

}  // namespace

std::optional<std::vector<HostAddress>> ReadAdapterAddresses(const LoadedModule& iphlpapi) {
    auto* const query = iphlpapi.Find(api::GetAdaptersAddresses);
    if (query == nullptr) return std::nullopt;
    constexpr ULONG kFlags = GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER |
                             GAA_FLAG_SKIP_FRIENDLY_NAME;
    std::vector<uint64_t> buffer;
    const ULONG status =
        QueryGrowing(buffer, [&](void* data, ULONG* size) { return query(AF_UNSPEC, kFlags, nullptr, data, size); });
    if (status == kNoData) return std::vector<HostAddress>{};
    if (status != NO_ERROR) return std::nullopt;

    std::vector<HostAddress> addresses;
    for (auto* adapter = reinterpret_cast<const IP_ADAPTER_ADDRESSES*>(buffer.data()); adapter != nullptr;
         adapter = adapter->Next) {
        for (const IP_ADAPTER_UNICAST_ADDRESS* unicast = adapter->FirstUnicastAddress; unicast != nullptr;
             unicast = unicast->Next) {
            std::optional<HostAddress> address = FromSocketAddress(unicast->Address.lpSockaddr);
            if (!address) continue;
            address->up = adapter->OperStatus == IfOperStatusUp;
            address->loopback = address->loopback || adapter->IfType == IF_TYPE_SOFTWARE_LOOPBACK;
            addresses.push_back(std::move(*address));
        }
    }
    return addresses;
}

std::optional<std::vector<HostAddress>> ReadIpAddressTable(const LoadedModule& iphlpapi) {
    auto* const query = iphlpapi.Find(api::GetIpAddrTable);
    if (query == nullptr) return std::nullopt;
    std::vector<uint64_t> buffer;
    const ULONG status = QueryGrowing(buffer, [&](void* data, ULONG* size) { return query(data, size, FALSE); });
    if (status == kNoData) return std::vector<HostAddress>{};
    if (status != NO_ERROR) return std::nullopt;

    const auto* table = reinterpret_cast<const MIB_IPADDRTABLE*>(buffer.data());
    const size_t room = (buffer.size() * sizeof(uint64_t) - offsetof(MIB_IPADDRTABLE, table)) / sizeof(MIB_IPADDRROW);
    std::vector<HostAddress> addresses;
    for (size_t i = 0; i < std::min<size_t>(table->dwNumEntries, room); ++i) {
        const MIB_IPADDRROW& row = table->table[i];
        std::optional<HostAddress> address = FromIPv4(&row.dwAddr);
        // The table has no interface state; it marks the addresses of disconnected interfaces.
        constexpr unsigned kGone = MIB_IPADDR_DISCONNECTED | MIB_IPADDR_DELETED;
        address->up = (row.wType & kGone) == 0;
        addresses.push_back(std::move(*address));
    }
    return addresses;
}

std::optional<std::vector<HostAddress>> ReadHostNameAddresses() {
    LoadedModule library("ws2_32.dll");
    if (library.Find(api::GetHostByName) == nullptr) library = LoadedModule(api::kWinsock1Library);
    auto* const hostName = library.Find(api::GetHostName);
    auto* const byName = library.Find(api::GetHostByName);
    if (hostName == nullptr || byName == nullptr) return std::nullopt;
    const WinsockSession session(library);
    if (!session.Started()) return std::nullopt;

    std::array<char, 256> name{};
    if (hostName(name.data(), static_cast<int>(name.size() - 1)) != 0) return std::nullopt;
    const hostent* host = byName(name.data());
    if (host == nullptr || host->h_addrtype != AF_INET || host->h_length != 4) return std::nullopt;
    std::vector<HostAddress> addresses;
    for (char** entry = host->h_addr_list; *entry != nullptr; ++entry) {
        std::optional<HostAddress> address = FromIPv4(*entry);
        address->up = true;  // a name resolves only to the addresses of bound interfaces
        addresses.push_back(std::move(*address));
    }
    return addresses;
}

std::optional<std::vector<HostAddress>> WinAddressSource::Read() {
    if (auto addresses = ReadAdapterAddresses(iphlpapi_)) return addresses;
    if (auto addresses = ReadIpAddressTable(iphlpapi_)) return addresses;
    return ReadHostNameAddresses();
}

AddressChangeNotification::AddressChangeNotification(const LoadedModule& iphlpapi)
    : notify_(iphlpapi.Find(api::NotifyAddrChange)), cancelNotify_(iphlpapi.Find(api::CancelIPChangeNotify)),
      cancelIo_(kernel_.Find(api::CancelIo)) {
    // Without a way to cancel it, a pending notification could outlive its OVERLAPPED.
    if (notify_ == nullptr || (cancelNotify_ == nullptr && cancelIo_ == nullptr)) return;
    event_.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (event_) Arm();
}

AddressChangeNotification::~AddressChangeNotification() { Cancel(); }

void AddressChangeNotification::Arm() {
    ResetEvent(event_.Get());
    overlapped_ = {};
    overlapped_.hEvent = event_.Get();
    HANDLE device = nullptr;
    const DWORD status = notify_(&device, &overlapped_);
    device_ = device;
    // Wine's stand-in answers "pending" without a handle and never completes: that is no
    // notification either. Nothing arms again without a pending request, so a system that refuses
    // once is not asked again.
    pending_ = status == ERROR_IO_PENDING && device != nullptr && device != INVALID_HANDLE_VALUE;
}

void AddressChangeNotification::Cancel() {
    if (!pending_) return;
    const bool cancelled =
        cancelNotify_ != nullptr ? cancelNotify_(&overlapped_) != FALSE : cancelIo_(device_) != FALSE;
    // The cancelled request completes on the event; only then may the OVERLAPPED go.
    if (cancelled) WaitForSingleObject(event_.Get(), 1000);
    pending_ = false;
}

AddressSource::News AddressChangeNotification::ChangedSinceLastCall() {
    if (!pending_) return AddressSource::News::CannotTell;
    if (WaitForSingleObject(event_.Get(), 0) != WAIT_OBJECT_0) return AddressSource::News::Unchanged;
    // Armed again before the caller reads, so that a change during the read is not missed.
    Arm();
    return AddressSource::News::Changed;
}

}  // namespace kelvor::win32
