#!/usr/bin/env bash
# report.sh RESULTS - the table of measure.sh's results: one row per program, Tavelo's
# ratios against the best peer in each column and its budgets.
# Exits 1 when Tavelo has no figures at all, 0 otherwise (a missed budget is shown, not fatal).
set -u
[[ -r ${1:-} ]] || { echo "usage: report.sh RESULTS" >&2; exit 2; }

awk '
function num(v) { return v ~ /^-?[0-9]+(\.[0-9]+)?$/ }
function fmt(v) { return (v == "" ? "n/a" : v) }
function median(name, key,    n, i, j, t, a) {
  n = 0
  for (i = 1; i <= runs[name]; i++) if (num(val[name, i, key])) a[++n] = val[name, i, key] + 0
  if (n == 0) return ""
  for (i = 2; i <= n; i++) { t = a[i]; for (j = i - 1; j >= 1 && a[j] > t; j--) a[j + 1] = a[j]; a[j + 1] = t }
  return (n % 2) ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
}
{
  delete f
  for (i = 1; i <= NF; i++) { k = $i; sub(/=.*/, "", k); v = $i; sub(/^[^=]*=/, "", v); f[k] = v }
  name = f["name"]
  if (!(name in seen)) { seen[name] = 1; order[++count] = name }
  if (f["mode"] == "overlay") {
    overlay[name] = f["overlay_ms"]; overlayRuns[name] = f["overlay_runs"]; startup2[name] = f["startup_ms"]
    quick[name] = f["overlay_quick_ms"]; quickRuns[name] = f["overlay_quick_runs"]
    if ("error" in f) err[name] = err[name] " overlay:" f["error"]
    next
  }
  r = ++runs[name]
  for (k in f) val[name, r, k] = f[k]
  if ("error" in f) err[name] = err[name] " " f["error"]
  if ("overlay_ms" in f) overlay[name] = f["overlay_ms"] (f["overlay_note"] == "trigger" ? "*" : "")
}
END {
  n = split("startup_ms uss_mb pss_mb cpu_ms_min ctxsw_min", keys, " ")
  # Absolute budgets, or a fraction ("0.2x") of the best peer in the same column.
  split("100 0.2x - 0.2x 70", budget, " ")
  printf "\n%-16s %11s %8s %8s %11s %10s %11s\n", "program", "startup_ms", "uss_mb", "pss_mb", "cpu_ms/min", "ctxsw/min", "overlay_ms"
  for (i = 1; i <= count; i++) {
    name = order[i]
    for (k = 1; k <= n; k++) m[name, keys[k]] = median(name, keys[k])
    printf "%-16s %11s %8s %8s %11s %10s %11s%s\n", name, fmt(m[name, "startup_ms"]), fmt(m[name, "uss_mb"]),
      fmt(m[name, "pss_mb"]), fmt(m[name, "cpu_ms_min"]), fmt(m[name, "ctxsw_min"]),
      fmt(overlay[name]), (name in err ? "   (" substr(err[name], 2) ")" : "")
  }
  if (num(startup2["tavelo"]))
    printf "%-16s %11s %8s %8s %11s %10s %11s\n", "  (overlay run)", fmt(startup2["tavelo"]), "", "", "", "",
      "n=" fmt(overlayRuns["tavelo"])
  if (num(quick["tavelo"]))
    printf "%-16s %11s %8s %8s %11s %10s %11s\n", "  (break now)", "", "", "", "", "", quick["tavelo"] " (<=50)"
  # Per column against whichever peer does best there.
  printf "%-16s", "tavelo/best peer"
  for (k = 1; k <= n; k++) {
    best[k] = ""
    for (i = 1; i <= count; i++) {
      name = order[i]
      if (name != "tavelo" && num(m[name, keys[k]]) && m[name, keys[k]] > 0 && (best[k] == "" || m[name, keys[k]] + 0 < best[k] + 0))
        best[k] = m[name, keys[k]]
    }
    a = m["tavelo", keys[k]]
    ratio[k] = (num(a) && best[k] != "") ? sprintf("%.2fx", a / best[k]) : "n/a"
  }
  printf " %11s %8s %8s %11s %10s\n", ratio[1], ratio[2], ratio[3], ratio[4], ratio[5]
  printf "%-16s %11s %8s %8s %11s %10s %11s\n", "budget", "<=" budget[1], "<=" budget[2], "", "<=" budget[4], "<=" budget[5], "<=16"
  missed = ""
  for (k = 1; k <= n; k++) {
    a = m["tavelo", keys[k]]; b = budget[k]
    if (b == "-") continue
    if (!num(a)) { missed = missed " " keys[k] "=n/a"; continue }
    if (b ~ /x$/) {
      if (best[k] == "") { missed = missed " " keys[k] "=no-peer"; continue }
      limit = substr(b, 1, length(b) - 1) * best[k]
    } else limit = b + 0
    if (a + 0 > limit) missed = missed " " keys[k] "=" a ">" sprintf("%.1f", limit)
  }
  o = overlay["tavelo"]
  if (!num(o)) missed = missed " overlay_ms=n/a"
  else if (o + 0 > 16) missed = missed " overlay_ms=" o ">16"
  q = quick["tavelo"]
  if (num(q) && q + 0 > 50) missed = missed " break_now_ms=" q ">50"
  print ""
  if (missed == "") print "tavelo: every budget met"
  else print "tavelo: budget missed or not measured:" missed
  print "* peers: from their own break-now command to their first break window mapped"
  if (!(("tavelo", 1, "name") in val)) exit 1
}' "$1"
