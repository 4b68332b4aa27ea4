# The example's image test, sourced by InstalledKit.sh once the example is
# built against the moved kit: what the image-test section of
# Examples/ExternalModule/README.md tells a module's developer to do. The
# CTest run passes on the committed baseline; the scene changed in the
# source fails it, with the images, the error in the dashboard's results and
# the reason in the JUnit output; the kit's zebBaseline shows the difference,
# takes the changed rendering as the baseline, the first rendering back as an
# alternative baseline, and a new test's first rendering, each time seeing
# the run pass after; and it refuses what it cannot do.

baseline_tool=$kit/bin/zebBaseline
baselines=$example_source/Testing/Baseline
images=$example/Testing/Temporary
scene=$example_source/Testing/TestExampleCounterBars.cxx
bars=("$example/example_image_tests" TestExampleCounterBars
  -V "$baselines/TestExampleCounterBars.png" -T "$images")

image_ctest() {
  ctest --test-dir "$example" -R '^example_image_tests\.' --output-on-failure --no-tests=error "$@"
}

# paint_middle_bar <from> <to> <name>: gives the middle bar of the scene's
# source the colour <to> in place of <from>, and rebuilds.
paint_middle_bar() {
  local from=$1 to=$2 name=$3
  grep -qF "$from" "$scene" || fail "the scene has no colour $from"
  sed -i "s/$from/$to/" "$scene"
  step "rebuild-$name" cmake --build "$example" --parallel 2
}

# zebBaseline_case <status> <text> <argument>...: zebBaseline exits with the
# status and says the text (along with what the test printed).
zebBaseline_case() {
  local expected=$1 text=$2
  shift 2
  status=0
  output=$("$baseline_tool" "$@" 2>&1) || status=$?
  expect_status "zebBaseline $*" "$status" "$expected"
  grep -qF -- "$text" <<<"$output" || fail "zebBaseline $* did not say '$text': $output"
}

# --- The committed baseline: the program prints its error and passes (under
# -I without a display, Start returns at once), and so does the CTest run.
error_line='^<CTestMeasurement type="numeric/double" name="ImageError">[0-9.e+-]+</CTestMeasurement>$'
status=0
output=$("${memcheck[@]}" "${bars[@]}" 2>&1) || status=$?
expect_status "example_image_tests TestExampleCounterBars" "$status" 0
grep -qE "$error_line" <<<"$output" || fail "example_image_tests printed no ImageError: $output"
status=0
output=$(env -u DISPLAY "${bars[@]}" -I 2>&1) || status=$?
expect_status "example_image_tests TestExampleCounterBars -I" "$status" 0
grep -qF "no display to interact with; Start returns at once" <<<"$output" ||
  fail "example_image_tests -I did not start the interactor: $output"
step image-ctest image_ctest

# --- The green bar painted yellow: the run fails; the images are in
# Testing/Temporary, the error among the dashboard's measurements, and only
# the reason in the JUnit output.
green="{ 0.2, 0.8, 0.3 }" yellow="{ 0.8, 0.8, 0.3 }"
paint_middle_bar "$green" "$yellow" yellow
status=0
(cd "$example" && image_ctest -T Test --output-junit "$work/junit.xml") >"$work/changed.log" 2>&1 ||
  status=$?
[ "$status" -ne 0 ] || fail "the changed scene passed its CTest run"
grep -qE "image error [0-9.]+ exceeds the threshold 10 against $baselines/TestExampleCounterBars.png" \
  "$work/changed.log" || fail "the failed run did not give its error: $(cat "$work/changed.log")"
for image in test diff compare; do
  [ -s "$images/TestExampleCounterBars-$image.png" ] ||
    fail "the failed run wrote no TestExampleCounterBars-$image.png"
done
grep -qF '<NamedMeasurement type="numeric/double" name="ImageError">' "$example"/Testing/*/Test.xml ||
  fail "the dashboard's results have no ImageError"
grep -qF "exceeds the threshold 10" "$work/junit.xml" ||
  fail "the JUnit output lacks the reason: $(cat "$work/junit.xml")"
! grep -qF "CTestMeasurement" "$work/junit.xml" || fail "the JUnit output holds measurement tags"

# --- zebBaseline shows it, and takes the rendering as the baseline.
zebBaseline_case 1 "TestExampleCounterBars differs from $baselines/TestExampleCounterBars.png" \
  "${bars[@]}"
zebBaseline_case 0 "TestExampleCounterBars now matches" --replace "${bars[@]}"
step image-ctest-yellow image_ctest

# --- The green bar back: an alternative baseline; either scene passes.
paint_middle_bar "$yellow" "$green" green
zebBaseline_case 0 "as $baselines/TestExampleCounterBars_1.png" --alternate "${bars[@]}"
step image-ctest-green image_ctest
paint_middle_bar "$green" "$yellow" yellow-again
zebBaseline_case 0 "TestExampleCounterBars matches" --alternate "${bars[@]}"
[ ! -e "$baselines/TestExampleCounterBars_2.png" ] || fail "a matching rendering was added"

# --- A new test: no baseline yet, then the first rendering taken.
rm "$baselines"/TestExampleCounterBars*.png
zebBaseline_case 1 "has no baseline it could compare with" "${bars[@]}"
zebBaseline_case 1 "take the rendering as the baseline with --replace first" \
  --alternate "${bars[@]}"
zebBaseline_case 0 "TestExampleCounterBars now matches" --replace "${bars[@]}"
step image-ctest-new image_ctest

# --- What it refuses: a tenth alternative (the committed green baseline in
# every place, the scene still yellow), a test without an image check, a
# test that fails before rendering, and wrong command lines.
full=$work/nine-alternatives
mkdir "$full"
for name in TestExampleCounterBars TestExampleCounterBars_{1..9}; do
  cp "$source/Examples/ExternalModule/Testing/Baseline/TestExampleCounterBars.png" "$full/$name.png"
done
zebBaseline_case 1 "$full/TestExampleCounterBars_1.png to $full/TestExampleCounterBars_9.png all exist" \
  --alternate "${bars[0]}" TestExampleCounterBars -V "$full/TestExampleCounterBars.png" -T "$images"
zebBaseline_case 1 "passed without an image check" \
  "$example/example_tests" TestExampleCounterPrint -V "$work/print.png"
zebBaseline_case 1 "failed (exit status 255) without leaving a rendering" \
  --replace "${bars[0]}" TestNoSuchScene -V "$work/none.png"
[ ! -e "$work/none.png" ] || fail "zebBaseline took a rendering of a test that made none"
zebBaseline_case 2 "no baseline: give -V <baseline.png>" "${bars[0]}" TestExampleCounterBars
zebBaseline_case 2 "is not a .png file" "${bars[0]}" TestExampleCounterBars -V "$work/bars.ppm"
zebBaseline_case 2 "unknown option --replace-all" --replace-all "${bars[@]}"
zebBaseline_case 2 "no program $work/no_tests" "$work/no_tests" TestExampleCounterBars -V "$work/a.png"
