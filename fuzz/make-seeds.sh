#!/usr/bin/env bash
# Writes the fuzzer's seed corpus into the folder given: the sample lists and the kinds of
# file the tests load, good and bad, in every format. Each seed ends with the 18 bytes that
# steer the run (the fuzz target takes them from the end: the clock's second, a byte for
# each question's taps, then the file's extension), so the file part is whole.
# Usage: fuzz/make-seeds.sh OUTPUT_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
out=$1
mkdir -p "$out"

taps() { printf '\x00\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a\x0b\x0c\x0d\x0e\x0f\x17'; }
utf16() { iconv -f UTF-8 -t UTF-16LE; }
# seed NAME [EXTENSION]: the file's bytes on stdin, saved as input.dic unless an extension
# (txt, tsv, csv, kvtml, apkg, xlsx or ods) is given.
extension_byte() {
    case ${1:-dic} in dic) printf '\x00' ;; txt) printf '\x01' ;; tsv) printf '\x02' ;;
        csv) printf '\x03' ;; kvtml) printf '\x04' ;; apkg) printf '\x05' ;;
        xlsx) printf '\x06' ;; ods) printf '\x07' ;; esac
}
seed() { { cat; extension_byte "${2:-dic}"; taps; } > "$out/$1"; }
# entries COUNT: COUNT pairs "word<i>" / "meaning <i>", CR LF.
entries() { for ((i = 0; i < $1; i++)); do printf 'word%d\r\nmeaning %d\r\n' "$i" "$i"; done; }

for dic in examples/*.dic; do seed "example-$(basename "$dic")" < "$dic"; done
for txt in examples/*.txt; do seed "utf8-$(basename "$txt")" txt < "$txt"; done
for csv in examples/*.csv; do seed "example-$(basename "$csv")" csv < "$csv"; done
for kvtml in examples/*.kvtml; do seed "example-$(basename "$kvtml")" kvtml < "$kvtml"; done
for package in examples/*.apkg examples/*.ods; do
    seed "example-$(basename "$package")" "${package##*.}" < "$package"
done

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

# The formats of other programs, each with the rules its reader keeps.
printf '\xef\xbb\xbf; words\r\n  caf\xc3\xa9 \r\ncoffee\r\n\r\ntea\r\nth\xc3\xa9\r\nunpaired\r\n' | seed line-pairs txt
printf 'cat\rchat\rdog\rchien\r' | seed old-mac txt
printf '\xfe\xff\x00c\x00a\x00t\x00\n\x00c\x00h\x00a\x00t\x00\n' | seed line-pairs-big-endian txt
printf 'dog\tchien\tnoun\nlonely\ncat\tchat\n' | seed columns tsv
printf '#separator:tab\n#html:true\n#guid column:1\n#notetype column:2\n#deck column:3\n#tags column:6\nG1\tBasic\tFrench\t<b>cat</b>\tchat<br>minou &amp; &#233;&nbsp;\tanimals\nG2\tBasic\tFrench\t"a\ttab ""q"""\tun<br/>onglet\t\n' | seed anki txt
printf '#separator:Pipe\nsun|soleil\nmoon|"lune|astre"\n' | seed anki-pipe txt
printf '"big, large","tall ""and"" wide\r\nenough"\r\ncat,chat\r\n' | seed quoted csv
printf 'Haus;"house; home"\nKatze;cat\n' | seed semicolons csv
printf 'cat,"chat\ndog,chien\n' | seed unclosed-quote csv
printf 'cat\ndog\n' | seed one-column csv
: | seed empty-csv csv
entries 8 | sed 's/\r$//' | paste -d, - - | seed entries-8-csv csv
kvtml_head='<?xml version="1.0" encoding="UTF-8"?>\n<kvtml version="2.0"><entries>'
kvtml_entry='<entry id="%d"><translation id="0"><text>word%d</text></translation><translation id="1"><text>meaning %d</text></translation></entry>\n'
{ printf "$kvtml_head"; for ((i = 0; i < 8; i++)); do printf "$kvtml_entry" "$i" "$i" "$i"; done; printf '</entries></kvtml>\n'; } | seed entries-8-kvtml kvtml
{ printf "$kvtml_head"; printf '<entry id="0"><inactive>true</inactive><translation id="0"><text>off</text></translation><translation id="1"><text>x</text></translation></entry><entry id="1"><translation id="0"><text>half</text></translation></entry>'; } | seed cut-short kvtml
printf '<?xml version="1.0"?>\n<kvtml><e><o>cat</o><t>chat</t></e></kvtml>' | seed old-version kvtml
printf '<?xml version="1.0"?>\n<!DOCTYPE kvtml [<!ENTITY a "aaaa"><!ENTITY b "&a;&a;&a;&a;">]>\n<kvtml version="2.0"><entries><entry><translation id="0"><text>&b;</text></translation><translation id="1"><text><![CDATA[x<y]]></text></translation></entry></entries></kvtml>' | seed entities kvtml
{ printf "$kvtml_head"; for ((i = 0; i < 8; i++)); do printf "$kvtml_entry" "$i" "$i" "$i"; done; printf '</entries></kvtml>\n'; } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } | seed utf16-kvtml kvtml
kvtml_comment='<entry id="%d"><translation id="0"><text>word%d</text><comment>hint %d</comment></translation></entry>\n'
{ printf "$kvtml_head"; for ((i = 0; i < 8; i++)); do printf "$kvtml_comment" "$i" "$i" "$i"; done; printf '</entries></kvtml>\n'; } | seed one-language kvtml

# What tells a file's kind: signatures of binary formats, spreadsheets' "Unicode Text", and
# "#" and "<" at the start of CSV.
printf 'PK\x03\x04\x0a\x00\x00\x00\x08\x00words.txt\x0a\x00' | seed zip-with-line-feed
printf '%%PDF-1.7\n%%\xe2\xe3\xcf\xd3\n' | seed pdf
entries 8 | sed 's/\r$//' | paste - - | sed 's/$/\r/' | utf16 | { printf '\xff\xfe'; cat; } | seed unicode-text txt
printf '#1,one\n#deck:French,deck\n<b>,bold\n' | seed hashes-and-tags csv

# Decks in each layout that Anki exports (through zip, zstd and SQLite) and spreadsheets.
packages=$(mktemp -d)
trap 'rm -rf "$packages"' EXIT
entries 8 | sed 's/\r$//' | paste - - > "$packages/list.tsv"
for layout in anki2 anki21 anki21b; do
    examples/make-package.sh "$packages/list.tsv" "$packages/$layout.apkg" "$layout"
    seed "deck-$layout" apkg < "$packages/$layout.apkg"
done
head -c 1500 "$packages/anki21b.apkg" | seed deck-cut-short apkg
for sheet in xlsx ods; do
    examples/make-package.sh "$packages/list.tsv" "$packages/list.$sheet"
    seed "sheet-$sheet" "$sheet" < "$packages/list.$sheet"
done
