#!/usr/bin/env bash
# Runs one Windows program under Wine for CTest (the cross-compiling emulator) and says how it
# ended when it failed: a test process that Wine could not start prints nothing of its own,
# and its exit code and time are then all there is to go on.
wine_program=wine
started=$(date +%s%N)
# Wine's own error messages, which with-wine.sh's "-all" hides, are then the one account of
# a process that Wine could not start (seen: exit code 1 after 9 ms, once in about 1,300
# test processes). CTest shows a test's output only when it fails.
WINEDEBUG=-all,err+all "$wine_program" "$@"
status=$?
if ((status != 0)); then
    elapsed=$((($(date +%s%N) - started) / 1000000))
    printf 'wine-run: %s ended with exit code %d (0x%08x) after %d ms\n' \
        "${1##*/}" "$status" "$status" "$elapsed" >&2
fi
exit "$status"
