"""The address line a saver or module should show, worked out independently from what `ip` lists:
IPv4 addresses of interfaces that are up, loopback left out, then global IPv6 addresses, each
family in the order listed. Shared by the Wine and the Linux module tests."""

import re
import subprocess


def host_ip(*arguments):
    """`ip` with these arguments on this machine's own network; its output."""
    return subprocess.run(["ip", *arguments], capture_output=True, text=True, check=True, timeout=20).stdout


def address_line(ip=host_ip):
    """The line for the network that `ip` (a function running `ip` with its arguments) lists."""
    flags = {}
    for line in ip("-o", "link").splitlines():
        name, link_flags = re.match(r"\d+: ([^:@]+)(?:@[^:]+)?: <([^>]*)>", line).groups()
        flags[name] = link_flags.split(",")
    ipv4, ipv6 = [], []
    for line in ip("-o", "addr").splitlines():
        name, family, address, scope = re.match(r"\d+: (\S+)\s+(inet6?) ([^/ ]+)\S* .*?scope (\w+)", line).groups()
        if "UP" not in flags[name] or "LOOPBACK" in flags[name]:
            continue
        if family == "inet" and not address.startswith("127."):
            ipv4.append(address)
        elif family == "inet6" and scope == "global":
            ipv6.append(address)
    shown = ipv4 + ipv6
    if not shown:
        return "IP address: none"
    return ("IP address: " if len(shown) == 1 else "IP addresses: ") + ", ".join(shown)
