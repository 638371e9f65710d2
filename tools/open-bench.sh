#!/bin/bash
# Opening the generated 10 MB program from the command line until it is shown, in Corvane (with
# its colouring on) and in SciTE, a plain Scintilla editor, in the same run on the same X server.
# Run under xvfb-run (make bench does): tools/open-bench.sh BUILD/bin [SHOTS-FOLDER]
#
# The method: each editor is started with the file; its window must be mapped (xdotool) and its
# process must then go idle: the time counted is from the start to the last moment the process
# was seen using the processor (utime + stime in /proc, polled every 5 ms, in the kernel's 10 ms
# ticks), once it has used none for 300 ms. That is loading, laying out and the first paint,
# whatever each editor does in which order. One untimed start of each warms the disk cache; then
# the two take turns, RUNS times (default 5), and the medians are compared.
set -u
bin=${1:?usage: open-bench.sh BUILD/bin [SHOTS-FOLDER]}
shots=${2:-}
runs=${RUNS:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config HOME=$work/home
mkdir -p "$XDG_CONFIG_HOME" "$HOME"
program=$work/BIG.NC
"$bin/corvane_editor_bench" --write "$program" || exit 1

if ! command -v scite >/dev/null || ! command -v xdotool >/dev/null; then
    echo "Open against SciTE: scite or xdotool is not installed; not measured."
    exit 0
fi

# Starts the command, prints the milliseconds until its window is shown and it has gone idle;
# with a picture name, the screen is kept as that picture first.
measure() {
    local picture=$1
    shift
    local start now last cpu lastcpu=-1 mapped=0
    start=$(date +%s%N)
    last=$start
    "$@" >/dev/null 2>&1 &
    local pid=$!
    while cpu=$(awk '{ print $14 + $15 }' "/proc/$pid/stat" 2>/dev/null); do
        now=$(date +%s%N)
        if [ "$cpu" != "$lastcpu" ]; then
            lastcpu=$cpu
            last=$now
        fi
        if [ $mapped = 0 ] && xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; then
            mapped=1
        fi
        if [ $mapped = 1 ] && [ $(((now - last) / 1000000)) -ge 300 ]; then
            break
        fi
        if [ $(((now - start) / 1000000)) -ge 60000 ]; then
            last=-1
            break
        fi
        sleep 0.005
    done
    if [ -n "$picture" ] && [ -n "$shots" ]; then
        mkdir -p "$shots" && import -window root "$shots/$picture.png"
    fi
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    if [ "$last" = -1 ]; then
        echo 0
    else
        echo $(((last - start) / 1000000))
    fi
}

median() {
    tr ' ' '\n' | grep -v '^$' | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

measure "" "$bin/corvane" "$program" >/dev/null
measure "" scite "$program" >/dev/null
corvane="" scite=""
for ((i = 1; i <= runs; ++i)); do
    last=""
    [ "$i" = "$runs" ] && last=yes
    corvane+=" $(measure "${last:+open-corvane}" "$bin/corvane" "$program")"
    scite+=" $(measure "${last:+open-scite}" scite "$program")"
done
c=$(echo "$corvane" | median)
s=$(echo "$scite" | median)
echo
echo "Opening the $(stat -c %s "$program")-byte program from the command line until it is shown and"
echo "idle (window mapped, then no processor time for 300 ms; median of $runs starts each, taking turns):"
printf '  %-26s %6d ms   (runs:%s)\n' "Corvane, colouring on" "$c" "$corvane"
printf '  %-26s %6d ms   (runs:%s)\n' "SciTE $(dpkg-query -W -f='${Version}' scite 2>/dev/null)" "$s" "$scite"
awk -v c="$c" -v s="$s" 'BEGIN {
    if (s > 0) printf "  Corvane / SciTE            %6.2fx   goal at most 1.5x: %s\n", c / s, (c / s <= 1.5 ? "ok" : "SLOW")
}'
