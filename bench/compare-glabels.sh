#!/usr/bin/env bash
# Whole-process time of `pqtool print` against Debian's glabels-3-batch (apt-get install glabels)
# for an Avery 5160 sheet: one sheet of a one-text design, and 1000 sheets (ours with a counter,
# so every label differs; theirs with the same text on every label). Best of three runs each.
#
#   bench/compare-glabels.sh [BUILD_DIR]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
pqtool=$build/tools/pqtool
printbench=$build/bench/PrintBench
for tool in "$pqtool" "$printbench"; do
    [[ -x $tool ]] || { echo "compare-glabels: build $tool first" >&2; exit 2; }
done
command -v glabels-3-batch >/dev/null || { echo "compare-glabels: glabels-3-batch is not installed" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$work}
"$printbench" --make-documents "$work"

cat >"$work/text.glabels" <<'XML'
<?xml version="1.0"?>
<Glabels-document xmlns="http://glabels.org/xmlns/3.0/">
  <Template brand="Avery" part="5160" size="US-Letter" description="Address Labels">
    <Meta category="label"/>
    <Label-rectangle id="0" width="2.625in" height="1in" round="0.0625in" x_waste="0.0625in" y_waste="0in">
      <Markup-margin size="0.0625in"/>
      <Layout nx="3" ny="10" x0="0.1875in" y0="0.5in" dx="2.75in" dy="1in"/>
    </Label-rectangle>
  </Template>
  <Objects id="0" rotate="False">
    <Object-text x="0.104in" y="0.3125in" w="2.08in" h="0.3125in" justify="Left" valign="Top" auto_shrink="False">
      <Span font_family="Arial" font_size="8" font_weight="normal" font_italic="False" color="0x000000ff" line_spacing="1">Pellora Label Company</Span>
    </Object-text>
  </Objects>
</Glabels-document>
XML

# Best wall-clock seconds of three runs of the command.
best() {
    local best_time="" start end elapsed
    for _ in 1 2 3; do
        start=$(date +%s.%N)
        "$@" >/dev/null 2>&1 || { echo "compare-glabels: failed: $*" >&2; exit 1; }
        end=$(date +%s.%N)
        elapsed=$(echo "$end - $start" | bc)
        if [[ -z $best_time ]] || (($(echo "$elapsed < $best_time" | bc))); then best_time=$elapsed; fi
    done
    printf '%.3f' "$best_time"
}

ours1=$(best "$pqtool" print "$work/text.PQ" --pdf "$work/ours1.pdf")
theirs1=$(best glabels-3-batch -o "$work/theirs1.pdf" "$work/text.glabels")
ours1000=$(best "$pqtool" print "$work/counter.PQ" --pdf "$work/ours1000.pdf" --pages 1000)
theirs1000=$(best glabels-3-batch -o "$work/theirs1000.pdf" -s 1000 "$work/text.glabels")

printf '%-12s %10s %14s %8s\n' sheets pqtool glabels ratio
printf '%-12s %9ss %13ss %8.2f\n' 1 "$ours1" "$theirs1" "$(echo "$ours1 / $theirs1" | bc -l)"
printf '%-12s %9ss %13ss %8.2f\n' 1000 "$ours1000" "$theirs1000" "$(echo "$ours1000 / $theirs1000" | bc -l)"
