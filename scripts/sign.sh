#!/usr/bin/env bash
# Signs a Windows file (a program or an MSI package) with Authenticode, SHA-256, for
# scripts/package.sh: with the certificate and key of the PKCS#12 file that KELVOR_SIGN_PKCS12 names,
# whose password osslsigncode reads from the file that KELVOR_SIGN_PASSWORD_FILE names, so that it
# never shows on a command line. KELVOR_SIGN_TIMESTAMP_URL, when set, names an RFC 3161 time-stamp
# server whose stamp keeps the signature valid after the certificate expires.
# Usage: scripts/sign.sh IN OUT     (OUT is written only when signing succeeds)
# A failure is told in one line naming the file and the reason.
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: scripts/sign.sh IN OUT" >&2; exit 2; }
in=$1
out=$2
name=$(basename "$in")
fail() { echo "sign: cannot sign $name: $*" >&2; exit 1; }

certificate=${KELVOR_SIGN_PKCS12:-}
password=${KELVOR_SIGN_PASSWORD_FILE:-}
[ -n "$certificate" ] || fail "KELVOR_SIGN_PKCS12 is not set"
[ -n "$password" ] || fail "KELVOR_SIGN_PASSWORD_FILE is not set (the file holding the password of $certificate)"
[ -r "$certificate" ] || fail "the certificate file $certificate cannot be read"
[ -r "$password" ] || fail "the password file $password cannot be read"

options=(-pkcs12 "$certificate" -readpass "$password" -h sha256 -n "Kelvor Screen Saver")
[ -z "${KELVOR_SIGN_TIMESTAMP_URL:-}" ] || options+=(-ts "$KELVOR_SIGN_TIMESTAMP_URL")

partial="$out.partial"
rm -f "$partial"
if ! report=$(osslsigncode sign "${options[@]}" -in "$in" -out "$partial" 2>&1); then
    rm -f "$partial"
    case $report in
        *"PKCS#12"*|*"Failed to read key or certificates"*)
            fail "the password in $password does not open $certificate, or that is not a PKCS#12 file" ;;
        *[Tt]imestamp*)
            fail "no time stamp from $KELVOR_SIGN_TIMESTAMP_URL" ;;
        *)
            fail "$(grep -m 1 -v -e '^$' -e '^Failed$' <<< "$report" || echo "osslsigncode failed")" ;;
    esac
fi
mv "$partial" "$out"
