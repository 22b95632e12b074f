#!/bin/sh
# --help and --version of both programs, with no display to open: the game
# must answer them before it starts Qt.
# Usage: check_programs.sh QUILORN QUILORN_TOOL VERSION
set -eu
game=$1
tool=$2
version=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "check_programs: $*" >&2; exit 1; }

# Runs a program with no display; leaves its status, output and errors in $out.
run() {
    set +e
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$@" >"$out/stdout" 2>"$out/stderr"
    echo $? >"$out/status"
    set -e
}
expect() {  # STATUS STDOUT-TEXT
    [ "$(cat "$out/status")" = "$1" ] || fail "$cmd: status $(cat "$out/status"), expected $1; stderr: $(cat "$out/stderr")"
    [ "$(cat "$out/stdout")" = "$2" ] || fail "$cmd: printed '$(cat "$out/stdout")', expected '$2'"
}

cmd="quilorn --version"; run "$game" --version; expect 0 "quilorn $version"
cmd="quilorn-tool --version"; run "$tool" --version; expect 0 "quilorn-tool $version"

cmd="quilorn --help"; run "$game" --help
[ "$(cat "$out/status")" = 0 ] || fail "$cmd: status $(cat "$out/status")"
grep -q '^usage: quilorn ' "$out/stdout" || fail "$cmd: no usage on standard output"

cmd="quilorn-tool --help"; run "$tool" --help
[ "$(cat "$out/status")" = 0 ] || fail "$cmd: status $(cat "$out/status")"
[ ! -s "$out/stderr" ] || fail "$cmd: wrote to standard error"
head -n 1 "$out/stdout" | grep -q '^usage: quilorn-tool ' || fail "$cmd: no usage on standard output"
for command in check rewrite render solve generate --version; do
    grep -q -- "^  $command" "$out/stdout" || fail "$cmd: usage does not list $command"
done

# Without a command the usage goes to standard error, as a usage error.
cmd="quilorn-tool"; run "$tool"
expect 64 ""
grep -q '^usage: quilorn-tool ' "$out/stderr" || fail "$cmd: no usage on standard error"
echo "check_programs: ok"
