#!/usr/bin/env bash
# Builds an Anki deck package (.apkg) or a spreadsheet (.ods, .xlsx) from a tab-separated
# word list (word<TAB>meaning, UTF-8) with the sqlite3, zstd and zip programs. A deck is
# written in the layout that an Anki version exports:
#   anki2    Anki 2.0: collection.anki2 alone;
#   anki21   Anki 2.1 with "Support older Anki versions": meta version 2, collection.anki21
#            and a placeholder collection.anki2 that asks to update Anki;
#   anki21b  Anki today (the default): meta version 3, collection.anki21b compressed with
#            zstd and saved in WAL mode, and the placeholder.
# A deck given the languages of its words and meanings (codes such as it_IT and en_US) reads
# them aloud in those, with {{tts}} tags in its card template, so that a trainer knows them.
# The same input gives the same bytes.
# Usage: make-package.sh list.tsv out.apkg [anki2|anki21|anki21b] [WORDS MEANINGS]
#        make-package.sh list.tsv out.ods|out.xlsx
set -euo pipefail

if [ $# -lt 2 ] || [ $# -gt 5 ] || [ $# -eq 4 ]; then
    echo "usage: $0 list.tsv out.apkg|out.ods|out.xlsx [anki2|anki21|anki21b] [WORDS MEANINGS]" >&2
    exit 2
fi
list=$(realpath "$1")
out=$(realpath -m "$2")
layout=${3:-anki21b}
question='{{Front}}'
answer='{{FrontSide}}<hr id=answer>{{Back}}'
if [ $# -eq 5 ]; then
    question="$question{{tts $4:Front}}"
    answer="$answer{{tts $5:Back}}"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# zip keeps each file's time: a fixed one keeps the package the same from run to run.
pack() {
    touch -t 202001010000 "$@"
    rm -f "$out"
    zip -q -X -0 "$out" "$1"
    shift
    [ $# -eq 0 ] || zip -q -X -9 "$out" "$@"
}

# The word list's pairs, each field through the filter given (awk code that sets `s`).
pairs() {
    awk -F '\t' -v OFS='\t' "function esc(s) { $1; return s } NF >= 2 && \$1 != \"\" { print esc(\$1), esc(\$2) }" "$list"
}

legacy_tables="
CREATE TABLE col (id integer primary key, crt integer not null, mod integer not null,
    scm integer not null, ver integer not null, dty integer not null, usn integer not null,
    ls integer not null, conf text not null, models text not null, decks text not null,
    dconf text not null, tags text not null);
CREATE TABLE notes (id integer primary key, guid text not null, mid integer not null,
    mod integer not null, usn integer not null, tags text not null, flds text not null,
    sfld integer not null, csum integer not null, flags integer not null, data text not null);
CREATE TABLE cards (id integer primary key, nid integer not null, did integer not null,
    ord integer not null, mod integer not null, usn integer not null, type integer not null,
    queue integer not null, due integer not null, ivl integer not null,
    factor integer not null, reps integer not null, lapses integer not null,
    left integer not null, odue integer not null, odid integer not null,
    flags integer not null, data text not null);
CREATE TABLE revlog (id integer primary key, cid integer not null, usn integer not null,
    ease integer not null, ivl integer not null, lastIvl integer not null,
    factor integer not null, time integer not null, type integer not null);
CREATE TABLE graves (usn integer not null, oid integer not null, type integer not null);
CREATE INDEX ix_notes_usn ON notes (usn);
CREATE INDEX ix_cards_nid ON cards (nid);"
basic=1700000000001
legacy_models="{\"$basic\": {\"id\": $basic, \"name\": \"Basic\", \"type\": 0, \"flds\": [{\"name\": \"Front\", \"ord\": 0}, {\"name\": \"Back\", \"ord\": 1}], \"tmpls\": [{\"name\": \"Card 1\", \"ord\": 0, \"qfmt\": \"$question\", \"afmt\": \"$answer\"}]}}"
decks='{"1": {"id": 1, "name": "Default"}}'

# protobuf_string FIELD TEXT: a short string field of a protobuf message, in hex.
protobuf_string() {
    printf '%02x%02x' $(($1 << 3 | 2)) "${#2}"
    printf '%s' "$2" | od -An -tx1 -v | tr -d ' \n'
}
# The template's config keeps the question's format in field 1 and the answer's in field 2.
template_config=$(protobuf_string 1 "$question")$(protobuf_string 2 "$answer")

# collection SCHEMA FILE: the notes of the list (or of the placeholder when the list is
# "placeholder") in a collection of schema 11 or 18.
collection() {
    local schema=$1 db=$2
    {
        echo "$legacy_tables"
        if [ "$schema" = 11 ]; then
            echo "INSERT INTO col VALUES (1, 1577836800, 1577836800000, 1577836800000, 11, 0, 0, 0, '{}', '$legacy_models', '$decks', '{}', '{}');"
        else
            # The kind of a note type is field 1 of its config; ordinary types leave it out.
            echo "INSERT INTO col VALUES (1, 1577836800, 1577836800000, 1577836800000, 18, 0, 0, 0, '', '', '', '', '');
CREATE TABLE notetypes (id integer not null primary key, name text not null,
    mtime_secs integer not null, usn integer not null, config blob not null);
CREATE TABLE fields (ntid integer not null, ord integer not null, name text not null,
    config blob not null, primary key (ntid, ord)) without rowid;
CREATE TABLE templates (ntid integer not null, ord integer not null, name text not null,
    mtime_secs integer not null, usn integer not null, config blob not null,
    primary key (ntid, ord)) without rowid;
INSERT INTO notetypes VALUES ($basic, 'Basic', 0, 0, X'1A00');
INSERT INTO fields VALUES ($basic, 0, 'Front', X''), ($basic, 1, 'Back', X'');
INSERT INTO templates VALUES ($basic, 0, 'Card 1', 0, 0, X'$template_config');"
        fi
        echo "BEGIN;"
        if [ "${3:-}" = placeholder ]; then
            echo "INSERT INTO notes VALUES (1577836800000, 'update', $basic, 0, 0, '', 'Please update to the latest Anki version, then import the .colpkg/.apkg file again.' || char(31), '', 0, 0, '');"
        else
            pairs "gsub(/'/, \"''\", s)" | awk -F '\t' -v mid="$basic" '{
                id = 1577836800000 + NR
                printf "INSERT INTO notes VALUES (%.0f, \x27n%d\x27, %s, 0, 0, \x27\x27, \x27%s\x27 || char(31) || \x27%s\x27, \x27%s\x27, 0, 0, \x27\x27);\n", id, NR, mid, $1, $2, $1
                printf "INSERT INTO cards VALUES (%.0f, %.0f, 1, 0, 0, 0, 0, 0, %d, 0, 0, 0, 0, 0, 0, 0, 0, \x27\x27);\n", id, id, NR
            }'
        fi
        echo "COMMIT;"
        # A collection that Anki exports today stays in WAL mode.
        [ "$schema" = 11 ] || echo "PRAGMA journal_mode = WAL;"
    } | sqlite3 -bail "$db" >/dev/null
}

xml_text='gsub(/&/, "\\&amp;", s); gsub(/</, "\\&lt;", s); gsub(/>/, "\\&gt;", s)'

case $out in
*.apkg)
    echo '{}' >media
    case $layout in
    anki2)
        collection 11 collection.anki2
        pack media collection.anki2 ;;
    anki21)
        collection 11 collection.anki21
        collection 11 collection.anki2 placeholder
        printf '\x08\x02' >meta
        pack meta collection.anki21 collection.anki2 media ;;
    anki21b)
        collection 18 database
        zstd -q -19 database -o collection.anki21b
        collection 11 collection.anki2 placeholder
        printf '\x08\x03' >meta
        printf '' | zstd -q >media
        pack meta collection.anki21b collection.anki2 media ;;
    *)
        echo "$0: unknown layout $layout" >&2
        exit 2 ;;
    esac ;;
*.ods)
    printf 'application/vnd.oasis.opendocument.spreadsheet' >mimetype
    mkdir META-INF
    cat >META-INF/manifest.xml <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" manifest:version="1.3">
 <manifest:file-entry manifest:full-path="/" manifest:version="1.3" manifest:media-type="application/vnd.oasis.opendocument.spreadsheet"/>
 <manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/>
</manifest:manifest>
EOF
    {
        echo '<?xml version="1.0" encoding="UTF-8"?>'
        echo '<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" office:version="1.3"><office:body><office:spreadsheet><table:table table:name="Words"><table:table-column table:number-columns-repeated="2"/>'
        pairs "$xml_text" | awk -F '\t' '{ printf "<table:table-row><table:table-cell office:value-type=\"string\"><text:p>%s</text:p></table:table-cell><table:table-cell office:value-type=\"string\"><text:p>%s</text:p></table:table-cell></table:table-row>\n", $1, $2 }'
        echo '<table:table-row table:number-rows-repeated="1048500"><table:table-cell table:number-columns-repeated="2"/></table:table-row></table:table></office:spreadsheet></office:body></office:document-content>'
    } >content.xml
    pack mimetype META-INF/manifest.xml content.xml ;;
*.xlsx)
    mkdir -p _rels xl/_rels xl/worksheets
    main=http://schemas.openxmlformats.org/spreadsheetml/2006/main
    rels=http://schemas.openxmlformats.org/officeDocument/2006/relationships
    cat >'[Content_Types].xml' <<EOF
<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"><Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/><Default Extension="xml" ContentType="application/xml"/><Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/><Override PartName="/xl/worksheets/sheet1.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/></Types>
EOF
    cat >_rels/.rels <<EOF
<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="$rels/officeDocument" Target="xl/workbook.xml"/></Relationships>
EOF
    cat >xl/workbook.xml <<EOF
<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<workbook xmlns="$main" xmlns:r="$rels"><sheets><sheet name="Words" sheetId="1" r:id="rId1"/></sheets></workbook>
EOF
    cat >xl/_rels/workbook.xml.rels <<EOF
<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="$rels/worksheet" Target="worksheets/sheet1.xml"/></Relationships>
EOF
    {
        echo '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>'
        echo "<worksheet xmlns=\"$main\"><sheetData>"
        pairs "$xml_text" | awk -F '\t' '{ printf "<row r=\"%d\"><c r=\"A%d\" t=\"inlineStr\"><is><t>%s</t></is></c><c r=\"B%d\" t=\"inlineStr\"><is><t>%s</t></is></c></row>\n", NR, NR, $1, NR, $2 }'
        echo '</sheetData></worksheet>'
    } >xl/worksheets/sheet1.xml
    pack '[Content_Types].xml' _rels/.rels xl/workbook.xml xl/_rels/workbook.xml.rels xl/worksheets/sheet1.xml ;;
*)
    echo "$0: the output must end in .apkg, .ods or .xlsx" >&2
    exit 2 ;;
esac
