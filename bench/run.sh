#!/usr/bin/env bash
# Builds the release preset and prints a table of measured figures, each
# beside the floor it is measured against in the same run (a subject and its
# floor run alternately, so both see the same machine load):
#   - each generator on a list file of 1,000 names (a realistic list)
#     against /bin/true, the cost of starting any process, and on list files
#     of 100,000 and 1,000,000 names against cat writing as many bytes, and
#     the growth from 100,000 to 1,000,000 names (linear growth: about 10);
#   - each test program's error path (a wrong test name: it prints the list
#     and fails) against /bin/true: process start-up with the stand-in
#     libraries;
#   - the data-reading test cases, time and peak memory, against the same
#     program's error path (TestVRMLImporter, which renders no frame that
#     anyone looks at, within 5 times its time and under 20 MB);
#   - the regression check's image comparison of two 400 by 400 renderings
#     against one pass summing their byte differences;
#   - TestVRMLImporter on a scene of a million faces sharing four points and
#     on a cone of a million faces around one apex (crease-angle normals at
#     points shared by very many faces);
#   - TestVRMLNormals at the render window's bounds on a frame's cost: the
#     costliest frames each bound lets through, and a frame it refuses;
#   - the whole CTest suite at -j2 against its ideal: half the summed test
#     times, or the longest test when that is more.
# Times are medians of repeated runs. Generated files go to /dev/shm when it
# exists, so that the disk's speed does not enter either side.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release
bin=$root/build/release/bin

scratch_parent=/dev/shm
[ -d "$scratch_parent" ] && [ -w "$scratch_parent" ] || scratch_parent=$root/build/release
scratch=$(mktemp -d "$scratch_parent/zeb-bench.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

# Microseconds since the epoch, without starting a process.
now() {
  local t=${EPOCHREALTIME/./}
  echo $((10#$t))
}

# Runs two command strings alternately $1 times and sets subject_us and
# floor_us to their median wall times in microseconds.
median_pair() {
  local runs=$1 subject=$2 floor=$3 i start
  local subject_times=() floor_times=()
  for ((i = 0; i < runs; i++)); do
    start=$(now)
    eval "$subject" >/dev/null 2>&1 || true
    subject_times+=($(($(now) - start)))
    start=$(now)
    eval "$floor" >/dev/null 2>&1 || true
    floor_times+=($(($(now) - start)))
  done
  subject_us=$(printf '%s\n' "${subject_times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p")
  floor_us=$(printf '%s\n' "${floor_times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p")
}

# Peak resident memory in KiB of one run of a command string.
peak_kib() {
  eval "/usr/bin/time -f %M -o $scratch/rss $1" >/dev/null 2>&1 || true
  tail -n 1 "$scratch/rss"
}

ms() { awk -v us="$1" 'BEGIN { printf "%.1f ms", us / 1000 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }
row() { printf '| %-58s | %12s | %-27s | %12s | %6s | %-8s |\n' "$@"; }

printf '\nMachine load at the start: %s\n\n' "$(uptime)"
row "Measure" "Value" "Floor" "Floor value" "Ratio" "Target"
row "---" "---:" "---" "---:" "---:" "---"

# A list file: a library or module name, then n class names, one a line.
write_list() {
  awk -v name="$1" -v n="$2" 'BEGIN { print name; for (i = 0; i < n; i++) printf "zebBenchClass%07d\n", i }' >"$3"
}

for generator in zebWrapTclInit zebWrapPythonInit; do
  declare -A seconds_at=()
  for n in 1000 100000 1000000; do
    list=$scratch/names$n.txt
    if [ "$generator" = zebWrapTclInit ]; then
      write_list zebBenchTcl "$n" "$list"
      command="$bin/zebWrapTclInit $list $scratch/out.cxx"
      outputs="$scratch/out.cxx"
    else
      write_list zebBenchPython "$n" "$list"
      command="$bin/zebWrapPythonInit $list $scratch/out.cxx $scratch/outImpl.cxx"
      outputs="$scratch/out.cxx $scratch/outImpl.cxx"
    fi
    eval "$command"
    cat $outputs >"$scratch/same-bytes"
    bytes=$(stat -c %s "$scratch/same-bytes")
    if [ "$n" -eq 1000 ]; then
      median_pair 21 "$command" "/bin/true"
      floor="/bin/true"
      target="ratio < 3"
    else
      runs=9
      [ "$n" -eq 1000000 ] && runs=5
      median_pair $runs "$command" "cat $scratch/same-bytes >$scratch/cat-copy"
      floor="cat of $bytes bytes"
      target="-"
      [ "$n" -eq 1000000 ] && target="ratio < 2"
    fi
    seconds_at[$n]=$subject_us
    row "$generator, $n names" "$(ms "$subject_us")" "$floor" "$(ms "$floor_us")" \
      "$(ratio "$subject_us" "$floor_us")" "$target"
  done
  row "$generator, 1,000,000 / 100,000 names" "$(ratio "${seconds_at[1000000]}" "${seconds_at[100000]}")" \
    "linear growth" "10" "$(ratio "${seconds_at[1000000]}" "$((seconds_at[100000] * 10))")" "about 10"
  unset seconds_at
done

# The share of start-up that the system's Exodus II library brings with it
# (netCDF and its dependencies): an empty program that only links it.
echo 'int main(void) { return 0; }' | cc -x c - -o "$scratch/links-exodus" -Wl,--no-as-needed -lexoIIv2c
median_pair 21 "$scratch/links-exodus" "/bin/true"
row "empty program linked to libexoIIv2c" "$(ms "$subject_us")" "/bin/true" "$(ms "$floor_us")" \
  "$(ratio "$subject_us" "$floor_us")" "-"

for program in smrendering_tests import_tests exodus_tests animation_tests common_tests; do
  [ -x "$bin/$program" ] || continue
  median_pair 21 "$bin/$program NoSuchTestName" "/bin/true"
  row "$program error path" "$(ms "$subject_us")" "/bin/true" "$(ms "$floor_us")" \
    "$(ratio "$subject_us" "$floor_us")" "< 20 ms"
done

# The data-reading cases with the arguments their CTest runs give them, each
# with its targets for time and peak memory. TestVRMLImporter renders but
# never looks at a frame: it must not set up graphics, so its floor is the
# program's error path.
cases=("exodus_tests TestExodusImplicitArrays -D $root/ZEBData")
declare -A time_target=() memory_target=() blocks_us=()
if [ -x "$bin/import_tests" ]; then
  cases=("import_tests TestVRMLNormals -D $root/ZEBData -V $root/ZEBData/Baseline/TestVRMLNormals.png -T $scratch"
    "import_tests TestVRMLImporter -D $root/ZEBData"
    "${cases[@]}")
  time_target[import_tests TestVRMLImporter]="< 5x floor"
  memory_target[import_tests TestVRMLImporter]="< 20 MB"
fi
for case in "${cases[@]}"; do
  program=${case%% *}
  name=${case%% -D*}
  median_pair 9 "$bin/$case" "$bin/$program NoSuchTestName"
  row "$name" "$(ms "$subject_us")" "$program error path" "$(ms "$floor_us")" \
    "$(ratio "$subject_us" "$floor_us")" "${time_target[$name]:-< 1 s}"
  subject_kib=$(peak_kib "$bin/$case")
  floor_kib=$(peak_kib "$bin/$program NoSuchTestName")
  row "$name, peak memory" "$subject_kib KiB" "$program error path" "$floor_kib KiB" \
    "$(ratio "$subject_kib" "$floor_kib")" "${memory_target[$name]:--}"
done

# The image comparison alone, in process: the wine glass baseline against the
# scene drawn without its wine.
if [ -x "$bin/import_tests" ]; then
  mkdir -p "$scratch/nowine/Data"
  sed '/DEF Wine Shape/,$d' ZEBData/Data/WineGlass.wrl >"$scratch/nowine/Data/WineGlass.wrl"
  echo '  ]
}' >>"$scratch/nowine/Data/WineGlass.wrl"
  "$bin/import_tests" TestVRMLNormals -D "$scratch/nowine" -V "$root/ZEBData/Baseline/TestVRMLNormals.png" \
    -T "$scratch" >/dev/null 2>&1 || true
  c++ -std=c++17 -O2 bench/ImageDifferenceTiming.cxx -I Toolkit/zebTestingRendering \
    -L build/release/lib -lzebTestingRendering-ob4.3 -Wl,-rpath,"$root/build/release/lib" \
    -o "$scratch/ImageDifferenceTiming"
  read -r compare_us sum_us < <("$scratch/ImageDifferenceTiming" "$scratch/TestVRMLNormals-test.png" \
    ZEBData/Baseline/TestVRMLNormals.png 51)
  row "image comparison, 400 by 400" "$(ms "$compare_us")" "summing byte differences" "$(ms "$sum_us")" \
    "$(ratio "$compare_us" "$sum_us")" "< 10 ms"
fi

# The VRML importer on scenes of crease-angle normals at points shared by very
# many faces, read twice (TestVRMLImporter): a million faces whose points are
# each shared by 750,000 faces of four normals, and a cone of a million faces
# of as many normals around one apex.
if [ -x "$bin/import_tests" ]; then
  for scene in "shared|1,000,000 faces on 4 points" "cone|cone of 1,000,000 faces"; do
    kind=${scene%%|*}
    label="TestVRMLImporter, ${scene#*|}"
    mkdir -p "$scratch/$kind/Data"
    "$bin/MakeLargeScene" "$kind" 1000000 "$scratch/$kind/Data/WineGlass.wrl"
    case="import_tests TestVRMLImporter -D $scratch/$kind"
    median_pair 3 "$bin/$case" "$bin/import_tests NoSuchTestName"
    row "$label" "$(ms "$subject_us")" "import_tests error path" "$(ms "$floor_us")" \
      "$(ratio "$subject_us" "$floor_us")" "< 10 s"
    row "$label, peak memory" "$(peak_kib "$bin/$case") KiB" "import_tests error path" \
      "$(peak_kib "$bin/import_tests NoSuchTestName") KiB" "-" "-"
  done
fi

# Drawing at its bounds: the costliest frame the bound on covered pixels lets
# through, 6,600 translucent squares blended over each other (490 million
# pixels); the most triangles a scene within the reader's bounds draws,
# 262,143 uses of a 20-gon (4,718,574 triangles, under the bound of 10
# million); and a fan of 5,000,000 corners round a square, whose every other
# triangle covers half of it, which the bound on pixels refuses.
if [ -x "$bin/import_tests" ]; then
  for scene in "glass-uses 6600|6,600 translucent squares" \
    "polygon-grid 17|262,143 uses of a 20-gon" \
    "square-fan 5000000|fan of 5,000,000 corners, refused"; do
    read -r kind count <<<"${scene%%|*}"
    label="TestVRMLNormals, ${scene#*|}"
    mkdir -p "$scratch/$kind$count/Data"
    "$bin/MakeLargeScene" "$kind" "$count" "$scratch/$kind$count/Data/WineGlass.wrl"
    case="import_tests TestVRMLNormals -D $scratch/$kind$count -V $root/ZEBData/Baseline/TestVRMLNormals.png -T $scratch"
    median_pair 3 "$bin/$case" "$bin/import_tests NoSuchTestName"
    row "$label" "$(ms "$subject_us")" "import_tests error path" "$(ms "$floor_us")" \
      "$(ratio "$subject_us" "$floor_us")" "< 10 s"
    row "$label, peak memory" "$(peak_kib "$bin/$case") KiB" "import_tests error path" \
      "$(peak_kib "$bin/import_tests NoSuchTestName") KiB" "-" "< 1.5 GB"
  done
fi

# The Exodus reader on empty element blocks over many nodes: its work must
# grow with blocks plus nodes (twice the blocks, about twice the time).
mkdir -p "$scratch/blocks/Data"
for blocks in 125000 250000; do
  "$bin/MakeExodusEmptyBlocks" 3000000 "$blocks" "$scratch/blocks/Data/disk_out_ref.ex2"
  case="exodus_tests TestExodusImplicitArrays -D $scratch/blocks"
  median_pair 3 "$bin/$case" "$bin/exodus_tests NoSuchTestName"
  blocks_us[$blocks]=$subject_us
  row "exodus_tests, $blocks empty blocks on 3,000,000 nodes" "$(ms "$subject_us")" \
    "exodus_tests error path" "$(ms "$floor_us")" "$(ratio "$subject_us" "$floor_us")" "-"
done
row "exodus_tests, 250,000 / 125,000 empty blocks" "$(ratio "${blocks_us[250000]}" "${blocks_us[125000]}")" \
  "linear growth" "2" "$(ratio "$(ratio "${blocks_us[250000]}" "${blocks_us[125000]}")" 2)" "about 2"
row "exodus_tests, 250,000 empty blocks, peak memory" "$(peak_kib "$bin/$case") KiB" \
  "exodus_tests error path" "$(peak_kib "$bin/exodus_tests NoSuchTestName") KiB" "-" "-"

start=$(now)
ctest --test-dir build/release -j2 >"$scratch/ctest.log" 2>&1 || true
suite_us=$(($(now) - start))
ideal_us=$(awk '/Test +#[0-9]+:/ { for (i = 1; i < NF; i++) if ($(i + 1) == "sec") { t = $i * 1e6; sum += t; if (t > max) max = t } }
  END { ideal = sum / 2; if (max > ideal) ideal = max; printf "%d", ideal }' "$scratch/ctest.log")
summary=$(grep -E "tests passed|tests failed" "$scratch/ctest.log" | tail -n 1)
row "CTest suite at -j2 ($summary)" "$(ms "$suite_us")" "half the summed test times" "$(ms "$ideal_us")" \
  "$(ratio "$suite_us" "$ideal_us")" "< 60 s"
printf '\nMachine load at the end: %s\n' "$(uptime)"
