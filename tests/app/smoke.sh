#!/usr/bin/env bash
# Starts the real program headless beside a fresh Data.mdb and checks that it runs until stopped.
set -u
bin=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$bin/budget" "$work/" && "$bin/budget-createdb" "$work/Data.mdb" >/dev/null || exit 1
QT_QPA_PLATFORM=offscreen timeout 3 "$work/budget"
status=$?
[ $status -eq 124 ] && exit 0
echo "budget ended early with status $status" >&2
exit 1
