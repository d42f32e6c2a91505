#!/bin/sh
# Convert a UTF-8 word list (LF or CR LF lines) into a dictionary file: UTF-16LE, CR LF, no byte-order mark.
# Usage: to-dic.sh list.txt [list.dic]   (the output name defaults to the input name with .dic)
set -eu

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "usage: $0 input.txt [output.dic]" >&2
    exit 2
fi

in=$1
out=${2:-${in%.txt}.dic}
if [ "$in" = "$out" ]; then
    echo "$0: output would overwrite the input" >&2
    exit 2
fi

if [ ! -r "$in" ]; then
    echo "$0: cannot read $in" >&2
    exit 1
fi

tmp=$(mktemp)
trap 'rm -f "$tmp" "$tmp.dic"' EXIT

# Drop a UTF-8 byte-order mark, make sure the last line ends, strip trailing
# white space (and any CR).
LC_ALL=C sed -e '$a\' "$in" |
    LC_ALL=C sed -e '1s/^\xEF\xBB\xBF//' -e 's/[[:space:]]*$//' > "$tmp"

# Refuse lines the program would not accept: more than 997 characters. Removing
# the UTF-8 continuation bytes leaves one byte per character.
LC_ALL=C sed -e 's/[\x80-\xBF]//g' "$tmp" |
    LC_ALL=C awk -v f="$in" 'length($0) > 997 { printf "%s:%d: line longer than 997 characters\n", f, NR; bad = 1 }
                             END { exit bad }' >&2

# End every line with CR LF and re-encode; iconv writes UTF-16LE without a BOM.
LC_ALL=C sed -e 's/$/\r/' "$tmp" | iconv -f UTF-8 -t UTF-16LE > "$tmp.dic"
mv "$tmp.dic" "$out"
echo "$out"
