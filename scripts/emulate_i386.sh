#!/usr/bin/env bash
# Runs a command so that the 32-bit x86 Linux programs it starts (Wine's 32-bit loader and every
# Windows program Wine starts through it) execute even where this machine's kernel cannot run them.
#
#   scripts/emulate_i386.sh --how        prints "native", "emulated by qemu-i386 X.Y.Z, since ...", or why
#                                        neither works (then exits 1)
#   scripts/emulate_i386.sh COMMAND...   runs COMMAND: directly where the kernel runs 32-bit
#                                        programs, else in the emulated environment below
#
# The emulated environment is a private user and mount namespace with a binfmt_misc of its own
# (one per user namespace since Linux 6.7), in which i386 ELF programs are registered to qemu's
# user-mode emulator. Nothing is registered for the rest of the machine, and the registration ends
# with the command's last process. The F flag opens the emulator once, at registration, so it also
# runs programs started in other mount namespaces or after a chroot.
set -uo pipefail

# KELVOR_QEMU_I386 names another build of the emulator to try.
qemu=${KELVOR_QEMU_I386:-/usr/bin/qemu-i386}
# The ELF header of a 32-bit little-endian x86 executable or shared object (e_machine 3), the same
# pattern qemu's own binfmt set-up uses.
magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'

# KELVOR_EMULATE_I386=1 emulates even where the kernel runs 32-bit programs, to try the emulation there.
runs_natively() { [ -z "${KELVOR_EMULATE_I386:-}" ] && /usr/lib/wine/wine --version >/dev/null 2>&1; }

emulator_version() { "$qemu" --version 2>/dev/null | sed -n '1s/^qemu-i386 version \([^ ]*\).*/\1/p'; }

# Inside the emulated environment KELVOR_I386_EMULATED names the emulator; a command started there
# runs as it is.
case ${1:-} in
    "")
        echo "usage: scripts/emulate_i386.sh --how | COMMAND [ARGUMENT...]" >&2
        exit 2 ;;
    --how)
        if [ -n "${KELVOR_I386_EMULATED:-}" ]; then echo "emulated by $KELVOR_I386_EMULATED"; exit 0; fi
        if runs_natively; then echo native; exit 0; fi
        version=$(emulator_version)
        [ -n "$version" ] || { echo "unavailable: $qemu does not run (scripts/setup.sh installs it)"; exit 1; }
        if ! how=$("$0" /usr/lib/wine/wine --version 2>&1); then
            echo "unavailable: the emulated environment does not start: $how"
            exit 1
        fi
        reason="this machine cannot run 32-bit programs"
        [ -z "${KELVOR_EMULATE_I386:-}" ] || reason="KELVOR_EMULATE_I386 asks for it"
        echo "emulated by qemu-i386 $version, since $reason"
        exit 0 ;;
    --inside)
        # In the private namespace: a binfmt_misc of its own, then the command. Outside it (the
        # machine's own user namespace maps every user id to itself) the registration would hold
        # for the whole machine until it restarts: refuse.
        shift
        if [ "$(tr -s ' ' < /proc/self/uid_map)" = " 0 0 4294967295" ]; then
            echo "emulate_i386: --inside runs only in the private namespace that this script makes" >&2
            exit 125
        fi
        mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc || exit 125
        echo ":kelvor-i386:M::$magic:$mask:$qemu:F" > /proc/sys/fs/binfmt_misc/register || exit 125
        export KELVOR_I386_EMULATED="qemu-i386 $(emulator_version)"
        # The namespace's root is the caller outside it. A caller other than root goes on as itself,
        # in a namespace nested in this one (it sees the same registration): as root here, Wine
        # would make its server folder /tmp/.wine-0 owned by the caller, and root's own Wine would
        # refuse that folder afterwards.
        user=${KELVOR_I386_CALLER:-0}
        [ "$user" = 0 ] || exec unshare --user --map-user="$user" --map-group="${KELVOR_I386_CALLER_GROUP:-$user}" -- "$@"
        exec "$@" ;;
esac

if [ -n "${KELVOR_I386_EMULATED:-}" ] || runs_natively; then exec "$@"; fi
KELVOR_I386_CALLER=$(id -u) KELVOR_I386_CALLER_GROUP=$(id -g) \
    exec unshare --user --map-root-user --mount -- "$0" --inside "$@"
