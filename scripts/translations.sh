#!/usr/bin/env bash
# The translations in translations/brannock_<language>.ts against the texts of the sources,
# with Qt's lupdate (Debian: qt6-l10n-tools).
#
#   scripts/translations.sh [check]      fails when a text of the programs is missing from a
#                                        translation file, when a file holds a text the
#                                        sources no longer have, or when an entry is unfinished
#   scripts/translations.sh update       brings every translation file up to date: new texts
#                                        come in unfinished, vanished ones go
#   scripts/translations.sh add <lang>   starts translations/brannock_<lang>.ts ("fr", "pt_BR")
#
# The files keep no source locations, so that moving code changes nothing in them. The
# sources are the programs' folders; tests, tools and benchmarks show the player nothing.
# $LUPDATE names the lupdate to use.
set -euo pipefail
cd "$(dirname "$0")/.."

sources=(app base common desktop platform setup translations)
mode=${1:-check}

find_lupdate() {
    local candidate
    for candidate in "${LUPDATE:-}" /usr/lib/qt6/bin/lupdate "$(command -v lupdate6 || true)"; do
        if [ -n "$candidate" ] && [ -x "$candidate" ]; then
            echo "$candidate"
            return 0
        fi
    done
    echo "lupdate of Qt 6 not found: install qt6-l10n-tools (or name it in \$LUPDATE)." >&2
    return 1
}
lupdate=$(find_lupdate)

# lupdate <file.ts> [language]: the file brought up to date with the sources.
run_lupdate() {
    local language=()
    if [ -n "${2:-}" ]; then
        language=(-target-language "$2")
    fi
    "$lupdate" -silent -locations none -no-obsolete -extensions cpp,h,ui -I . -I app "${language[@]}" "${sources[@]}" -ts "$1"
}

# The entries of a .ts file, one per line: context, source and translation, so that a diff
# names the texts that differ. Source locations, should a file hold any, do not count.
entries() {
    grep -v '<location ' "$1"
}

case "$mode" in
check)
    status=0
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    for ts in translations/brannock_*.ts; do
        cp "$ts" "$work/current.ts"
        run_lupdate "$work/current.ts"
        if ! diff -u <(entries "$ts") <(entries "$work/current.ts") >"$work/diff"; then
            echo "$ts is not in step with the sources (+ a text to add, - a text that is gone):" >&2
            grep '^[-+] *<source>' "$work/diff" >&2 || cat "$work/diff" >&2
            status=1
        fi
        unfinished=$(grep -c 'type="unfinished"' "$ts" || true)
        if [ "$unfinished" -gt 0 ]; then
            echo "$ts: $unfinished unfinished entries:" >&2
            grep -B2 'type="unfinished"' "$ts" | grep '<source>' >&2 || true
            status=1
        fi
    done
    if [ "$status" -ne 0 ]; then
        echo "scripts/translations.sh update brings the files up to date; then translate the new texts." >&2
    fi
    exit "$status"
    ;;
update)
    for ts in translations/brannock_*.ts; do
        run_lupdate "$ts"
        echo "$ts: $(grep -c 'type="unfinished"' "$ts" || true) unfinished entries"
    done
    ;;
add)
    language=${2:?usage: scripts/translations.sh add <language>}
    ts=translations/brannock_$language.ts
    if [ -e "$ts" ]; then
        echo "$ts exists already." >&2
        exit 1
    fi
    run_lupdate "$ts" "$language"
    echo "Made $ts; list it in BRANNOCK_TRANSLATIONS in translations/CMakeLists.txt."
    ;;
*)
    echo "usage: scripts/translations.sh [check|update|add <language>]" >&2
    exit 2
    ;;
esac
