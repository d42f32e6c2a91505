#!/bin/bash
# make-images.sh: regenerates ZANTOLI's image resources in this folder with
# ImageMagick 6 (`convert`), drawing shapes only (no fonts, no downloads):
#   bitmap134.bmp  64x64 BMP3, 8 bpp with palette: About box background tile
#   bitmap135.bmp  48x48 BMP3, 24 bpp truecolour: quiz window background tile
#   icon128.ico    application icon, 32x32 and 16x16, 16 colours (4 bpp) each
# Usage: ./make-images.sh   (run from anywhere; writes next to this script)
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# --- bitmap134.bmp: soft diamond lattice (period 32) in pastel blue-grey,
# a small dot in each diamond and a gentle light/shade wave (period 64).
# Every period divides 64, so the tile is seamless. The fx value is a
# brightness mask (1 = lightest), mapped onto two colours; the wave makes
# sure there are more than 16 colours, so the BMP coder writes 8 bpp.
convert -size 64x64 xc: -colorspace sRGB -fx \
'da=mod(i+j,32);da=min(da,32-da);db=mod(i-j+64,32);db=min(db,32-db);
ln=max(0,1-min(da,db)/1.7);dx=mod(i+8,16)-8;dy=mod(j,16)-8;
dt=max(0,1-hypot(dx,dy)/1.9);
wv=0.5+0.5*cos(2*pi*i/64)*cos(2*pi*j/64);
0.93+0.07*wv-0.55*max(ln,0.7*dt)' \
  +level-colors '#A9BFD8,#EDF2F8' \
  -type Palette -depth 8 -compress None BMP3:bitmap134.bmp
if [ "$(identify -format '%k' bitmap134.bmp)" -le 16 ]; then
  echo "bitmap134.bmp: too few colours for an 8 bpp BMP" >&2; exit 1
fi

# --- bitmap135.bmp: cream paper with a very faint 16 px grid and a little
# random grain (fixed seed); 16 divides 48, so the tile is seamless.
convert -seed 135 -size 48x48 xc: -colorspace sRGB -fx \
'(mod(i,16)==0 || mod(j,16)==0) ? 0.1*rand() : 0.9+0.1*rand()' \
  +level-colors '#ECE5D3,#FDFBF4' \
  -alpha off -type TrueColor -depth 8 -compress None BMP3:bitmap135.bmp

# --- The icon: an open blue book, text lines on the left page and a green
# check mark on the right. Designed on a 32x32 grid (the menu icons are drawn
# from the same design in packaging/zantoli.svg).
book32() {  # $1 = scale factor
  local s=$1
  convert -size $((32 * s))x$((32 * s)) xc:none -draw "
    affine $s,0,0,$s,0,0
    fill #1F4E8C stroke #143562 stroke-width 0.8
    polygon 1.5,9 16,11 30.5,9 30.5,27.5 16,29.5 1.5,27.5
    fill white stroke #5D7391 stroke-width 0.8
    polygon 3.5,5.5 15.5,7.5 15.5,26 3.5,24
    polygon 16.5,7.5 28.5,5.5 28.5,24 16.5,26
    fill none stroke #9AA8BA stroke-width 1.2
    line 6,11 13,12.2
    line 6,14.5 13,15.7
    line 6,18 13,19.2
    line 6,21.5 11,22.3
    stroke #1B6E2A stroke-width 4.6 stroke-linecap round stroke-linejoin round
    polyline 18.5,15.5 21.5,19.5 28.5,8.5
    stroke #3CB04C stroke-width 2.6
    polyline 18.5,15.5 21.5,19.5 28.5,8.5
  " "$2"
}
book32 1 "$tmp/i32.png"

# 16 px: the same design as pixel art (an XPM; "." is transparent).
cat > "$tmp/i16.xpm" <<'XPM'
/* XPM */
static char *i16[] = {
"16 16 8 1",
". c None",
"B c #1F4E8C",
"K c #143562",
"W c #FFFFFF",
"s c #5D7391",
"g c #9AA8BA",
"G c #3CB04C",
"D c #1B6E2A",
"................",
".sss........sss.",
"sWWWss....ssWWWG",
"sWWWWWs..sWWWWGG",
"sWggggWssWWWWGGD",
"sWWWWWWsGWWWGGDs",
"BsWgggWsGGWGGDsB",
"BsWWWWWsDGGGDWsB",
"BsWggggsWDGDWWsB",
"BsWWWWWsWWDWWWsB",
"BsWgggWsWgggWWsB",
"BsWWWWWsWWWWWWsB",
"BssWWWWsWWWWWssB",
"BBBsssssssssBBBB",
".KBBBBBBBBBBBBK.",
"......KKKK......"
};
XPM
convert "$tmp/i16.xpm" "$tmp/i16.png"

# Each frame: alpha made all-or-nothing (an ICO's AND mask is one bit), then
# quantised to 16 colours (palette) so the ICO coder writes 4 bpp.
frame='-channel A -threshold 50% +channel -background white -alpha background
       +dither -colors 16 -type PaletteAlpha'
# shellcheck disable=SC2086  # $frame is a list of options, split on purpose
convert \( "$tmp/i32.png" $frame \) \( "$tmp/i16.png" $frame \) ICO:icon128.ico
