#!/usr/bin/env bash
# Writes the fuzzer's seed corpus into the folder given: the sample dictionaries and the
# kinds of file the tests load, good and bad. Each seed ends with the 17 bytes that steer
# the drill (the fuzz target takes them from the end: the clock's second, then a byte for
# each question's taps), so the file part is whole.
# Usage: fuzz/make-seeds.sh OUTPUT_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
out=$1
mkdir -p "$out"

taps() { printf '\x00\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a\x0b\x0c\x0d\x0e\x0f\x17'; }
utf16() { iconv -f UTF-8 -t UTF-16LE; }
# seed NAME: the file's bytes on stdin.
seed() { { cat; taps; } > "$out/$1"; }
# entries COUNT: COUNT pairs "word<i>" / "meaning <i>", CR LF.
entries() { for ((i = 0; i < $1; i++)); do printf 'word%d\r\nmeaning %d\r\n' "$i" "$i"; done; }

for dic in examples/*.dic; do seed "example-$(basename "$dic")" < "$dic"; done
for txt in examples/*.txt; do seed "utf8-$(basename "$txt")" < "$txt"; done

: | seed empty
printf '; a remark\r\n\r\nabandon  \r\n; another remark\r\nto give up completely\r\n  ability\r\n ;skill\r\ncapable\r\n' |
    utf16 | seed comments-blanks-pairing
printf 'one\t \xe3\x80\x80\r\n\t;first\xc2\xa0 \r\n \t \r\ntwo\r\nsecond\xe2\x80\x83' | utf16 | seed white-space
entries 8 | utf16 | seed entries-8
entries 31 | utf16 | seed entries-31
# Short entries keep the largest seed small, yet longer than the reader's 64 KiB block.
for ((i = 0; i < 5201; i++)); do printf 'wd\r\nm\r\n'; done | utf16 | seed entries-5201
# A CR LF whose LF starts the second block, and an odd last byte.
{ printf 'x%.0s' {1..32767}; printf '\r\nmeaning\r\n'; } | utf16 | { cat; printf 'Z'; } | seed block-boundary
printf 'cat\na small animal\ndog\na loyal animal\n' | utf16 | seed unix-line-ends
printf 'cat\ra small animal\rdog\ra loyal animal\r' | utf16 | seed cr-line-ends
printf '\xef\xbb\xbf; comment\r\ncat\r\na small animal\r\n' | utf16 | seed byte-order-mark
{ printf 'cat\r\nanimal\r\n' | utf16; printf 'Z'; } | seed odd-length
{ printf 'first\r\n'; printf 'x%.0s' {1..5000}; printf '\r\n'; printf 'y%.0s' {1..997}; printf '\r\nthird meaning\r\n'; } |
    utf16 | seed overlong-lines
printf 'cat\r\nanimal\r\nbird\r\n' | seed utf8-text
printf '\xef\xbb\xbfcat\r\n' | seed utf8-byte-order-mark
printf '\xfe\xff\x00c\x00a\x00t' | seed big-endian
printf '\x00\x00\x00\x00\x00\x00\x00\x00' | seed nul-units
printf 'a\x00b\r\nc\x00\r\n' | utf16 | seed nul-inside-lines
for ((i = 0; i < 256; i++)); do printf "\\x$(printf %02x "$i")"; done | seed all-bytes
