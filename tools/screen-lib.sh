# Sourced by the scripts that take screenshots of the Xvfb display.

# shoot_when_still OUT GEOMETRY [SAME [PAUSE [TRIES]]]
# Shoots the display's GEOMETRY (WxH+X+Y) into OUT until SAME shots in a row (default 1)
# have looked like the one before, PAUSE seconds apart (default 0), at most TRIES shots
# (default 40): the windows have finished painting. Returns 1 when they never settled.
shoot_when_still() {
    local out=$1 geometry=$2 same_needed=${3:-1} pause=${4:-0} tries=${5:-40}
    local previous="" current same=0
    for _ in $(seq 1 "$tries"); do
        import -window root -crop "$geometry" +repage "$out" 2>/dev/null
        current=$(md5sum < "$out")
        if [ "$current" = "$previous" ]; then same=$((same + 1)); else same=0; fi
        [ "$same" -ge "$same_needed" ] && return 0
        previous=$current
        [ "$pause" = 0 ] || sleep "$pause"
    done
    return 1
}
