#!/usr/bin/env bash
# Prints which Windows architecture the run command and the cost measurement use under Wine: 32 where
# Wine's 32-bit loader runs on this machine, else 64 (some machines cannot execute 32-bit programs at
# all). KELVOR_WINE_ARCH=32 or 64 forces either; scripts/test.sh then runs the Wine stages of that
# architecture only.
case ${KELVOR_WINE_ARCH:-} in
    32|64) echo "$KELVOR_WINE_ARCH" ;;
    "") if /usr/lib/wine/wine --version >/dev/null 2>&1; then echo 32; else echo 64; fi ;;
    *) echo "KELVOR_WINE_ARCH must be 32 or 64, not '$KELVOR_WINE_ARCH'" >&2; exit 2 ;;
esac
