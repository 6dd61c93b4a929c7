#!/usr/bin/env bash
# report.sh RESULTS - the table of measure.sh's results: one row per program, Tavelo's
# ratios against the leanest peer (the one with the smallest PSS) and its budgets.
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
    overlay[name] = f["overlay_ms"]; overlayFirst[name] = f["overlay_first_ms"]; startup2[name] = f["startup_ms"]
    if ("error" in f) err[name] = err[name] " overlay:" f["error"]
    next
  }
  r = ++runs[name]
  for (k in f) val[name, r, k] = f[k]
  if ("error" in f) err[name] = err[name] " " f["error"]
  if ("overlay_ms" in f) overlay[name] = f["overlay_ms"] (f["overlay_note"] == "trigger" ? "*" : "")
}
END {
  split("startup_ms rss_mb pss_mb cpu_ms_min ctxsw_min", keys, " ")
  split("150 60 30 9 150", budget, " ")
  printf "\n%-16s %11s %8s %8s %11s %10s %11s\n", "program", "startup_ms", "rss_mb", "pss_mb", "cpu_ms/min", "ctxsw/min", "overlay_ms"
  leanest = ""
  for (i = 1; i <= count; i++) {
    name = order[i]
    for (k = 1; k <= 5; k++) m[name, keys[k]] = median(name, keys[k])
    printf "%-16s %11s %8s %8s %11s %10s %11s%s\n", name, fmt(m[name, "startup_ms"]), fmt(m[name, "rss_mb"]),
      fmt(m[name, "pss_mb"]), fmt(m[name, "cpu_ms_min"]), fmt(m[name, "ctxsw_min"]),
      fmt(overlay[name]), (name in err ? "   (" substr(err[name], 2) ")" : "")
    if (name != "tavelo" && num(m[name, "pss_mb"]) && (leanest == "" || m[name, "pss_mb"] + 0 < m[leanest, "pss_mb"] + 0))
      leanest = name
  }
  if (num(overlayFirst["tavelo"]))
    printf "%-16s %11s %8s %8s %11s %10s %11s\n", "  (2nd start)", fmt(startup2["tavelo"]), "", "", "", "", "first " overlayFirst["tavelo"]
  if (leanest != "") {
    printf "%-16s", "tavelo/" leanest
    for (k = 1; k <= 5; k++) {
      a = m["tavelo", keys[k]]; b = m[leanest, keys[k]]
      ratio[k] = (num(a) && num(b) && b > 0) ? sprintf("%.2fx", a / b) : "n/a"
    }
    printf " %11s %8s %8s %11s %10s\n", ratio[1], ratio[2], ratio[3], ratio[4], ratio[5]
  }
  # Per column against whichever peer does best there.
  printf "%-16s", "tavelo/best peer"
  for (k = 1; k <= 5; k++) {
    best = ""
    for (i = 1; i <= count; i++) {
      name = order[i]
      if (name != "tavelo" && num(m[name, keys[k]]) && m[name, keys[k]] > 0 && (best == "" || m[name, keys[k]] + 0 < best + 0))
        best = m[name, keys[k]]
    }
    a = m["tavelo", keys[k]]
    ratio[k] = (num(a) && best != "") ? sprintf("%.2fx", a / best) : "n/a"
  }
  printf " %11s %8s %8s %11s %10s\n", ratio[1], ratio[2], ratio[3], ratio[4], ratio[5]
  printf "%-16s %11s %8s %8s %11s %10s %11s\n", "budget", "<=150", "<=60", "<=30", "<=9", "<=150", "<=100"
  missed = ""
  for (k = 1; k <= 5; k++) {
    a = m["tavelo", keys[k]]
    if (!num(a)) missed = missed " " keys[k] "=n/a"
    else if (a + 0 > budget[k] + 0) missed = missed " " keys[k] "=" a ">" budget[k]
  }
  o = overlay["tavelo"]
  if (!num(o)) missed = missed " overlay_ms=n/a"
  else if (o + 0 > 100) missed = missed " overlay_ms=" o ">100"
  print ""
  if (missed == "") print "tavelo: every budget met"
  else print "tavelo: budget missed or not measured:" missed
  if (leanest != "") print "leanest peer (smallest PSS): " leanest
  print "* peers: from their own break-now command to their first break window mapped"
  if (!(("tavelo", 1, "name") in val)) exit 1
}' "$1"
