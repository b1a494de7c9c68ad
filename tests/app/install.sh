#!/usr/bin/env bash
# Installs the program into a staging folder as the package does (prefix /usr), validates the
# desktop entry and the metainfo as installed, and starts the installed program with a fresh home:
# the first start makes its data file under that home's .local/share and finds its help file; once
# that file has gone missing, the next start reports it instead of making an empty one again.
set -u
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
fail() {
    echo "install: $*" >&2
    exit 1
}

DESTDIR=$stage/root cmake --install "$build" --prefix /usr >"$stage/install.log" 2>&1 ||
    fail "cmake --install failed: $(cat "$stage/install.log")"
usr=$stage/root/usr
id=org.tavrin.Budget
for f in bin/tavrin-budget libexec/tavrin-budget/budget-helpcheck share/tavrin-budget/budget.chm \
    share/tavrin-budget/budget_de.chm share/tavrin-budget/translations/budget_de.qm \
    share/applications/$id.desktop share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg \
    share/icons/hicolor/48x48/apps/$id.png share/icons/hicolor/128x128/apps/$id.png \
    share/icons/hicolor/256x256/apps/$id.png share/man/man1/tavrin-budget.1; do
    [ -s "$usr/$f" ] || fail "$f was not installed"
done
desktop-file-validate "$usr/share/applications/$id.desktop" || fail "the desktop entry is not valid"
appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml" >"$stage/appstream.log" 2>&1 ||
    fail "the metainfo is not valid: $(cat "$stage/appstream.log")"

home=$stage/home
mkdir -p "$home"
start() {
    env -i PATH="$PATH" HOME="$home" LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen \
        timeout 60 "$usr/bin/tavrin-budget" "$@" 2>"$stage/stderr"
}
# The options and the version are told without a display.
version=$(env -i PATH="$PATH" HOME="$home" "$usr/bin/tavrin-budget" --version 2>&1) || fail "--version failed: $version"
[[ $version == *1.1.1* ]] || fail "--version printed: $version"

data=$home/.local/share/tavrin-budget/Data.mdb
out=$(start --check) || fail "the first start failed: $out $(cat "$stage/stderr")"
[ -s "$data" ] || fail "the first start made no data file under $home/.local/share: $out"
[[ $out == *"data file: $data (opened)"* ]] || fail "the first start used another data file: $out"
[[ $out == *"help file: $usr/share/tavrin-budget/budget.chm (found)"* ]] || fail "no help file: $out"

rm -f "$data"
out=$(start --check) && fail "a start without the data file it used before succeeded: $out"
[ -e "$data" ] && fail "the missing data file was made again, empty"
grep -q "Data.mdb" "$stage/stderr" || fail "the missing data file was not reported: $(cat "$stage/stderr")"
echo "installed, validated and started"
