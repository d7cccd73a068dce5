#!/usr/bin/env bash
# summarize.sh [--goals] RESULTS... - median (min-max) per panel from panel-bench.sh lines
# "NAME startup_ms=.. rss_kb=.. self_rss_kb=.. bus_daemons=.. idle_cpu_ms_per_min=.. end_self_rss_kb=..
# workarea=..".
# With --goals: the loaded Quorix against the bar's goals instead (idle CPU at most 20 ms a minute,
# its own resident memory at most 32 MB, start to docked at most 0.9 x tint2's, no bus daemon).
goals=0
if [ "${1:-}" = --goals ]; then goals=1; shift; fi
awk -v goals="$goals" '
function med(a, n,   i, j, t) {          # sort a[1..n] numerically, return median
    for (i = 2; i <= n; i++) { t = a[i]; for (j = i - 1; j > 0 && a[j] > t; j--) a[j+1] = a[j]; a[j+1] = t }
    return (n % 2) ? a[(n+1)/2] : (a[n/2] + a[n/2+1]) / 2
}
function median(name, k,   n, i, a) {
    n = cnt[name, k]; if (!n) return ""
    for (i = 1; i <= n; i++) a[i] = v[name, k, i]
    return med(a, n)
}
function cell(name, k,   n, i, a, m) {
    n = cnt[name, k]; if (!n) return "n/a"
    for (i = 1; i <= n; i++) a[i] = v[name, k, i]
    m = med(a, n)
    return sprintf("%g (%g-%g)", m, a[1], a[n])
}
function verdict(ok) { return ok ? "met" : "MISSED" }
function goal(name,   s, r, e, c, b, t) {
    if (!(name in seen)) return
    s = median(name, "startup_ms"); r = median(name, "self_rss_kb"); e = median(name, "end_self_rss_kb")
    c = median(name, "idle_cpu_ms_per_min"); b = median(name, "bus_daemons"); t = median("tint2", "startup_ms")
    printf "%s:\n", name
    if (c != "") printf "  idle CPU        %6g ms/min   goal <= 20          %s\n", c, verdict(c <= 20)
    if (r != "") printf "  own resident    %6.1f MB       goal <= 32 MB       %s\n", r / 1024, verdict(r / 1024 <= 32)
    if (e != "") printf "  ... idle later  %6.1f MB       goal <= 32 MB       %s\n", e / 1024, verdict(e / 1024 <= 32)
    if (s != "" && t != "") printf "  start to docked %6g ms       goal <= 0.9 x %g ms  %s (%.2f x)\n", s, t, verdict(s <= 0.9 * t), s / t
    if (b != "") printf "  bus daemons     %6g          goal 0              %s\n", b, verdict(b == 0)
}
NF >= 2 {
    name = $1
    if (!(name in seen)) { seen[name] = 1; order[++np] = name }
    runs[name]++
    for (f = 2; f <= NF; f++) {
        split($f, kv, "="); k = kv[1]; val = kv[2]
        if (k == "workarea") {
            if (!((name, val) in wseen)) { wseen[name, val] = 1; wa[name] = (wa[name] == "") ? val : wa[name] "|" val }
            continue
        }
        if (val ~ /^[0-9.]+$/) v[name, k, ++cnt[name, k]] = val + 0
        else if (val != "NA") fail[name] = fail[name] " " k "=" val
    }
}
END {
    if (goals) {
        goal("quorix-loaded"); goal("quorix-default"); goal("before-loaded")
        c = median("qt-label-clock", "idle_cpu_ms_per_min")
        if (c != "") printf "yardstick: a plain Qt label clock alone costs %g ms/min on this machine\n", c
        exit
    }
    printf "%-15s %4s  %-16s %-22s %-22s %-8s %-20s %-22s %s\n", "panel", "runs", "startup_ms", "rss_kb",
        "self_rss_kb", "daemons", "idle_cpu_ms/min", "self_rss_kb_after", "workarea"
    for (i = 1; i <= np; i++) {
        n = order[i]
        printf "%-15s %4d  %-16s %-22s %-22s %-8s %-20s %-22s %s%s\n", n, runs[n], cell(n, "startup_ms"),
            cell(n, "rss_kb"), cell(n, "self_rss_kb"), median(n, "bus_daemons"),
            cell(n, "idle_cpu_ms_per_min"), cell(n, "end_self_rss_kb"), wa[n], (n in fail) ? "  failures:" fail[n] : ""
    }
}' "$@"
