#pragma once
// The kernel's announcements of address changes: a route netlink socket subscribed to each address
// added or removed and each interface going up or down, watched by the module's poll beside the X
// connection. While nothing changes it costs nothing: no call is made for it until it is readable.

#include "linux/scoped_fd.h"
#include "probes/address_source.h"

namespace kelvor::x11 {

class AddressAnnouncements {
public:
    // Subscribes at once, so that nothing announced before the first read of the addresses is missed.
    AddressAnnouncements();

    // The socket to poll for reading; -1 without one.
    int Descriptor() const { return socket_.Get(); }
    // Takes what arrived, once poll says the socket is readable.
    void Drain();
    // Whether a change arrived since the last call; CannotTell without a working socket.
    AddressSource::News TakeNews();

private:
    ScopedFd socket_;
    bool heard_ = false;
};

}  // namespace kelvor::x11
