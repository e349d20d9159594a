#!/usr/bin/env bash
# Creates the test Wine prefix once: Wine's own fonts, "Meiryo UI" mapped to IPA P Gothic
# (the fullwidth glyphs need a Japanese font), and Managed=N so that Wine draws the frames
# itself on a display without a window manager (X window = GetWindowRect). With
# QUARNEL_WINE_MANAGED=1 (a desktop with a window manager) Wine's default is kept instead.
set -euo pipefail
: "${WINEPREFIX:?}"
stamp="$WINEPREFIX/.quarnel-ready"
[ -f "$stamp" ] && exit 0
mkdir -p "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
wineserver -w
fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
cp -n /usr/share/wine/fonts/*.ttf "$fonts/" 2>/dev/null || true
cp -n /usr/share/fonts/opentype/ipafont-gothic/*.ttf "$fonts/" 2>/dev/null || true
# Without Marlett the title bars' buttons are drawn as the letters "0 1 r".
for font in marlett.ttf tahoma.ttf ipagp.ttf; do
    if [ ! -f "$fonts/$font" ]; then
        echo "wine-prefix: $font is missing from the prefix (packages fonts-wine, fonts-ipafont-gothic)" >&2
        exit 1
    fi
done
reg=$(mktemp --suffix=.reg)
cat > "$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Meiryo UI"="IPAPGothic"
"Meiryo"="IPAPGothic"
"MS UI Gothic"="IPAPGothic"

[HKEY_CURRENT_USER\Software\Wine\DllOverrides]
"winemenubuilder.exe"=""
REG
if [ "${QUARNEL_WINE_MANAGED:-0}" != 1 ]; then
    printf '%s\n' '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Managed"="N"' '"Decorated"="Y"' >> "$reg"
fi
wine regedit /S "$reg" >/dev/null 2>&1
wineserver -w
rm -f "$reg"
touch "$stamp"
