#!/bin/sh
# The file types the package installs, checked with the shared MIME database's own tools: a
# private database made of the system's definitions and ours, asked through GIO as a file
# manager asks. Our dictionaries are ours by their content; a spell checker's word list,
# also named *.dic, stays plain text, and UTF-16LE text named as text stays text.
set -eu
ours=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkdir -p "$dir/mime/packages"
cp /usr/share/mime/packages/freedesktop.org.xml "$ours" "$dir/mime/packages/"
update-mime-database "$dir/mime" >/dev/null 2>&1

printf '3\nhello\nworld/S\ncolour/MS\n' >"$dir/en_US.dic"
printf '\377\376c\0a\0t\0\r\0\n\0c\0h\0a\0t\0\r\0\n\0' >"$dir/marked.dic"
printf 'c\0a\0t\0\r\0\n\0c\0h\0a\0t\0\r\0\n\0' >"$dir/unmarked.dic"
printf 'c\0a\0t\0\r\0\n\0c\0h\0a\0t\0\r\0\n\0' >"$dir/words"
printf '\377\376c\0a\0t\0\t\0c\0h\0a\0t\0\r\0\n\0' >"$dir/unicode.txt"
printf '<?xml version="1.0"?>\n<kvtml version="2.0"/>\n' >"$dir/words.kvtml"

failed=0
expect() {
    type=$(XDG_DATA_HOME="$dir" XDG_DATA_DIRS="$dir" gio info -a standard::content-type "$dir/$1" |
        sed -n 's/^ *standard::content-type: //p')
    if [ "$type" != "$2" ]; then
        echo "$1: $type, expected $2"
        failed=1
    fi
}
expect en_US.dic text/plain
expect marked.dic application/x-zantoli-dictionary
expect unmarked.dic application/x-zantoli-dictionary
expect words application/x-zantoli-dictionary
expect unicode.txt text/plain
expect words.kvtml application/x-kvtml
exit $failed
