#!/usr/bin/env bash
# Turns the released versions of CHANGELOG.md into the package's release history:
#   release_notes.sh debian    <CHANGELOG.md> <version> <date> <maintainer>   a Debian changelog
#   release_notes.sh appstream <CHANGELOG.md> <version> <date>                AppStream <release> elements
# Every "## [x.y] - YYYY-MM-DD" section is a release, newest first. When no section is
# headed with <version>, the "[Unreleased]" section is that version, dated <date>.
set -euo pipefail
format=$1 changelog=$2 version=$3 date=$4 maintainer=${5:-}

# One record per line: "R<TAB>version<TAB>date", "S<TAB>subsection", "I<TAB>item text".
records=$(awk '
    function flush() { if (item != "") { print "I\t" item; item = "" } }
    /^## \[/ {
        flush()
        v = $0; sub(/^## \[/, "", v); sub(/\].*/, "", v)
        d = $0; sub(/^[^]]*\]( - )?/, "", d)
        if (v == "Unreleased") { keep = 0; next }
        keep = 1; print "R\t" v "\t" d; next
    }
    /^### / { flush(); if (keep) { s = $0; sub(/^### /, "", s); print "S\t" s }; next }
    /^- / { flush(); if (keep) { item = substr($0, 3) }; next }
    /^  +[^ ]/ { if (item != "") { t = $0; sub(/^ +/, "", t); item = item " " t }; next }
    { flush() }
    END { flush() }
' "$changelog")
# The unreleased changes stand for the version being built when it has no section of its own.
if ! grep -qP "^R\t\Q$version\E\t" <<<"$records"; then
    unreleased=$(awk -v version="$version" -v date="$date" '
        function flush() { if (item != "") { print "I\t" item; item = "" } }
        /^## \[Unreleased\]/ { keep = 1; print "R\t" version "\t" date; next }
        /^## \[/ { flush(); keep = 0; next }
        !keep { next }
        /^### / { flush(); s = $0; sub(/^### /, "", s); print "S\t" s; next }
        /^- / { flush(); item = substr($0, 3); next }
        /^  +[^ ]/ { if (item != "") { t = $0; sub(/^ +/, "", t); item = item " " t }; next }
        { flush() }
        END { flush() }
    ' "$changelog")
    [ -n "$unreleased" ] || { echo "release_notes: $changelog has neither [$version] nor [Unreleased]" >&2; exit 1; }
    records=$unreleased$'\n'$records
fi

case "$format" in
debian)
    # Items wrapped to 78 columns; the trailer date in RFC 2822 form, at midnight UTC.
    while IFS=$'\t' read -r kind a b; do
        case "$kind" in
        R)
            [ -z "${open:-}" ] || printf '\n -- %s  %s\n\n' "$maintainer" "$(LC_ALL=C date -u -R -d "$open")"
            open=$b
            printf 'brannock (%s) unstable; urgency=medium\n' "$a"
            ;;
        S) printf '\n  [ %s ]\n' "$a" ;;
        I) fold -s -w 74 <<<"$a" | sed 's/ *$//; 1s/^/  * /; 2,$s/^/    /' ;;
        esac
    done <<<"$records"
    [ -z "${open:-}" ] || printf '\n -- %s  %s\n' "$maintainer" "$(LC_ALL=C date -u -R -d "$open")"
    ;;
appstream)
    # Plain text in the elements: the Markdown code marks go, XML's special characters are escaped.
    xml() { sed 's/`//g; s/&/\&amp;/g; s/</\&lt;/g; s/>/\&gt;/g' <<<"$1"; }
    close_list() { [ -z "${list:-}" ] || printf '        </ul>\n'; list=; }
    close_release() { close_list; [ -z "${release:-}" ] || printf '      </description>\n    </release>\n'; release=; }
    while IFS=$'\t' read -r kind a b; do
        case "$kind" in
        R)
            close_release
            printf '    <release version="%s" date="%s">\n      <description>\n' "$(xml "$a")" "$(xml "$b")"
            release=1
            ;;
        S) close_list; printf '        <p>%s</p>\n        <ul>\n' "$(xml "$a")"; list=1 ;;
        I)
            [ -n "${list:-}" ] || { printf '        <ul>\n'; list=1; }
            printf '          <li>%s</li>\n' "$(xml "$a")"
            ;;
        esac
    done <<<"$records"
    close_release
    ;;
*)
    echo "usage: release_notes.sh debian|appstream <CHANGELOG.md> <version> <date> [<maintainer>]" >&2
    exit 2
    ;;
esac
