#!/bin/sh
# Runs every test program of a build once more under an unprivileged user id, when started
# by root: read-only folders, unwritable files and targets that cannot be replaced refuse
# root nothing, so only this run meets the refusals a normal user meets. Each program gets a
# fresh home and temporary folder; a file it leaves in the temporary folder fails the run
# (the office the spreadsheet tests start keeps its own lu*.tmp there).
# Usage: run_unprivileged.sh BUILD_FOLDER [USER]
set -u
build=$(cd "$1" && pwd) || exit 1
user=${2:-nobody}
if [ "$(id -u)" != 0 ]; then
    echo "run_unprivileged: not root, the tests ran as $(id -un) already"
    exit 0
fi
group=$(id -gn "$user") || exit 1
as_user() {
    setpriv --reuid="$user" --regid="$group" --clear-groups --inh-caps=-all "$@"
}
programs=$(find "$build/tests" -maxdepth 1 -type f -name 'test_*' -perm -u+x | sort)
if [ -z "$programs" ]; then
    echo "run_unprivileged: no test programs in $build/tests"
    exit 1
fi
for p in $programs; do
    if ! as_user test -x "$p"; then
        echo "run_unprivileged: $p cannot be run by $user; put the checkout where every user"
        echo "may read it (its folders and their parents readable and searchable by others)"
        exit 1
    fi
done
failed=""
for p in $programs; do
    name=$(basename "$p")
    work=$(mktemp -d "${TMPDIR:-/tmp}/vak1-$user-XXXXXX") || exit 1
    mkdir "$work/home" "$work/tmp" "$work/run"
    chown -R "$user:$group" "$work"
    chmod 700 "$work" "$work/run"
    ( cd "$work/home" && as_user env -i PATH=/usr/bin:/bin HOME="$work/home" \
        TMPDIR="$work/tmp" XDG_RUNTIME_DIR="$work/run" LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen \
        "$p" --gtest_shuffle > "$work/log" 2>&1 )
    status=$?
    left=$(cd "$work/tmp" && find . -mindepth 1 -maxdepth 1 ! -name 'lu*.tmp' | head -5)
    if [ $status -ne 0 ]; then
        echo "== $name as $user: FAILED"
        grep -E '^\[  FAILED  \]|Failure' "$work/log" | head -40
        failed="$failed $name"
    elif [ -n "$left" ]; then
        echo "== $name as $user: left in its temporary folder:" $left
        failed="$failed $name"
    else
        echo "== $name as $user: $(grep -E '^\[  PASSED  \]' "$work/log")"
    fi
    rm -rf "$work"
done
if [ -n "$failed" ]; then
    echo "run_unprivileged: failed as $user:$failed"
    exit 1
fi
