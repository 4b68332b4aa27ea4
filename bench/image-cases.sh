#!/usr/bin/env bash
# Judges changed copies of the wine glass baseline, and the scene drawn from
# moved views and by other renderers, by the regression check (its error
# and verdict at the threshold 10) and by butteraugli (its distance; about
# 1 is a difference just seen, far above it one seen at once), side by side,
# then times the comparison of two 400 by 400 images. Builds the release
# preset first.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release
bin=$root/build/release/bin
baseline=$root/ZEBData/Baseline/TestVRMLNormals.png
scene=$root/ZEBData/Data/WineGlass.wrl

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
c++ -std=c++17 -O2 bench/ImageCases.cxx -I Toolkit/zebTestingRendering \
  -L build/release/lib -lzebTestingRendering-ob4.3 -Wl,-rpath,"$root/build/release/lib" \
  -o "$scratch/ImageCases"
c++ -std=c++17 -O2 bench/ImageDifferenceTiming.cxx -I Toolkit/zebTestingRendering \
  -L build/release/lib -lzebTestingRendering-ob4.3 -Wl,-rpath,"$root/build/release/lib" \
  -o "$scratch/ImageDifferenceTiming"
"$scratch/ImageCases" "$baseline" "$scratch"

# The rendering of the scene as the probe draws it: <name> <right> <up> [VAR=value...]
render() {
  local name=$1 right=$2 up=$3
  shift 3
  env "$@" "$bin/import_program_probe" "$scene" "$right" "$up" -V "$scratch/$name.png" \
    -T "$scratch/rendered" >/dev/null 2>&1 || true
  mv "$scratch/rendered/$name-test.png" "$scratch/$name.png"
}
# A changed scene: <name> <MakeWineGlass option>
render_made() {
  mkdir -p "$scratch/$1/Data"
  "$bin/MakeWineGlass" "$2" >"$scratch/$1/Data/WineGlass.wrl"
  "$bin/import_tests" TestVRMLNormals -D "$scratch/$1" -V "$scratch/$1.png" \
    -T "$scratch/rendered" >/dev/null 2>&1 || true
  mv "$scratch/rendered/$1-test.png" "$scratch/$1.png"
}
render moved-0-0.5 0 0.5
render moved-0.5-0 0.5 0
render moved-0.5-0.5 0.5 0.5
render moved-0.3--0.7 0.3 -0.7
render moved-1-1 1 1
render softpipe 0 0 ZEB_OPENGL_DRIVER=softpipe
render softpipe-moved-0.25-0.75 0.25 0.75 ZEB_OPENGL_DRIVER=softpipe
render samples-4 0 0 ZEB_OPENGL_SAMPLES=4
render samples-4-moved-0--0.5 0 -0.5 ZEB_OPENGL_SAMPLES=4
render_made seam --seam
render_made crack --crack

row() { printf '| %-30s | %-38s | %9s | %-7s | %11s |\n' "$@"; }
printf '\nMachine load at the start: %s\n\n' "$(uptime)"
row "Case" "What a person sees" "Error" "Verdict" "butteraugli"
row "---" "---" "---:" "---" "---:"
while read -r name seen; do
  error=$(cd "$scratch" && { "$bin/import_program_probe" "$scene" 0 0 -V "$scratch/$name.png" \
    2>/dev/null || true; } | sed -n 's/.*name="ImageError">\([^<]*\)<.*/\1/p')
  verdict=$(awk -v e="$error" 'BEGIN { print (e > 10 ? "fails" : "passes") }')
  distance=$(butteraugli "$baseline" "$scratch/$name.png" 2>/dev/null | tail -n 1)
  row "$name" "$seen" "$error" "$verdict" "$(printf '%.2f' "$distance")"
done <<'CASES'
specks-42 42 specks over the glass
specks-9 9 specks over the glass
dots-9 a dotted glass
stripes-15 a hatched patch of wine
stripes-12 a faintly hatched patch
checks-12 a faintly checked patch
stripes-8 hardly anything
noise-3 the same picture
seam a seam across the glass
crack a crack down the glass
moved-0-0.5 the same picture
moved-0.5-0 the same picture
moved-0.5-0.5 the same picture
moved-0.3--0.7 the same picture
moved-1-1 the same picture
softpipe the same picture
softpipe-moved-0.25-0.75 the same picture
samples-4 the same picture
samples-4-moved-0--0.5 the same picture
CASES

read -r same_us same_floor < <("$scratch/ImageDifferenceTiming" "$scratch/moved-0.5-0.5.png" "$baseline" 51)
read -r crack_us crack_floor < <("$scratch/ImageDifferenceTiming" "$scratch/crack.png" "$baseline" 51)
read -r dots_us dots_floor < <("$scratch/ImageDifferenceTiming" "$scratch/dots-9.png" "$baseline" 51)
printf '\nComparison of 400 by 400 pixels (median of 51; summing byte differences: %s us):\n' "$same_floor"
printf '  view moved half a pixel: %s us; crack: %s us; dotted glass: %s us\n' "$same_us" "$crack_us" "$dots_us"
