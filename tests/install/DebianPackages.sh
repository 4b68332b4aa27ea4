# ExternalModuleTest.DebianPackages, sourced by ExternalModuleTest.sh: cpack
# makes the kit's Debian packages of this build; their control files are
# checked, lintian finds no error in them, and from the two unpacked into a
# scratch root the core Tcl package loads through tclsh's search path and
# the example module configures and builds against the root's /usr, and
# installs into /usr as a package of its own would, without run paths.
# LINTIAN names lintian's program.

step cpack cpack --config "$build/CPackConfig.cmake" -G External -B "$work/packages"
runtime=$(find "$work/packages" -maxdepth 1 -name "libzeb-ob4.3_*.deb")
development=$(find "$work/packages" -maxdepth 1 -name "libzeb-dev_*.deb")
[ -f "$runtime" ] && [ -f "$development" ] || {
  fail "cpack made no libzeb-ob4.3 and libzeb-dev packages: $(ls "$work/packages")"
  return
}

# The control fields and files that the packaging sets.
field() {
  dpkg-deb --field "$1" "$2"
}
[ "$(field "$runtime" Multi-Arch)" = same ] || fail "libzeb-ob4.3 is not Multi-Arch: same"
[ "$(field "$runtime" Section)" = libs ] || fail "libzeb-ob4.3 is not in section libs"
version=$(field "$runtime" Version)
grep -qF "libzeb-ob4.3 (= $version)" <<<"$(field "$development" Depends)" ||
  fail "libzeb-dev does not depend on libzeb-ob4.3 (= $version): $(field "$development" Depends)"
for deb in "$runtime" "$development"; do
  description=$(field "$deb" Description)
  [ "$(wc -l <<<"$description")" -gt 3 ] || fail "$deb has no extended description"
done
dpkg-deb --control "$runtime" "$work/control"
[ "$(cat "$work/control/triggers" 2>/dev/null)" = "activate-noawait ldconfig" ] ||
  fail "libzeb-ob4.3 has no ldconfig trigger"
for script in postinst postrm; do
  [ ! -e "$work/control/$script" ] || fail "libzeb-ob4.3 has a $script: $(cat "$work/control/$script")"
done

# What they hold: stripped files, no run path, each package's documents.
root=$work/root
for deb in "$runtime" "$development"; do
  dpkg-deb --extract "$deb" "$root"
done
while read -r file; do
  # A script (the baseline tool) is no ELF file.
  [ "$(head -c 4 "$file")" = $'\x7fELF' ] || continue
  if readelf --sections "$file" | grep -q "\.debug_info"; then
    fail "${file#"$root"} keeps its debug information"
  fi
  if readelf --dynamic "$file" | grep -qE "\((RUNPATH|RPATH)\)"; then
    fail "${file#"$root"} has a run path"
  fi
done < <(find "$root/usr/bin" "$root/usr/lib" -type f \( -name "*.so" -o -perm -u+x \))
for package in libzeb-ob4.3 libzeb-dev; do
  for document in copyright changelog.gz; do
    [ -f "$root/usr/share/doc/$package/$document" ] || fail "$package has no $document"
  done
done

if [ -x "$LINTIAN" ]; then
  lintian_errors=$("$LINTIAN" --tag-display-limit 0 "$runtime" "$development" 2>&1 |
    grep "^E:" || true)
  [ -z "$lintian_errors" ] || fail "lintian: $lintian_errors"
else
  fail "lintian is not installed (scripts/setup.sh installs it)"
fi

# The core Tcl package, found where Debian's tclsh looks for packages.
multiarch=$(dpkg-architecture --query DEB_HOST_MULTIARCH)
output=$(echo "lappend auto_path $root/usr/lib/tcltk/$multiarch
puts [package require zebCommonCoreTcl]" | env "${interpreter_env[@]}" "$tclsh" 2>&1) || true
expect_output "package require zebCommonCoreTcl from the unpacked packages" "$output" "4.3"

# A module against the unpacked /usr.
step configure-against-packages cmake -S "$source/Examples/ExternalModule" -B "$work/example" \
  -G "$generator" -C "$settings" -DCMAKE_PREFIX_PATH="$root/usr" -DCMAKE_INSTALL_PREFIX=/usr
step build-against-packages cmake --build "$work/example" --parallel 2

# The module installed into /usr, as its own package would be.
step install-module-into-usr env DESTDIR="$work/module-root" cmake --install "$work/example"
while read -r file; do
  [ "$(head -c 4 "$file")" = $'\x7fELF' ] || continue
  if readelf --dynamic "$file" | grep -qE "\((RUNPATH|RPATH)\)"; then
    fail "the module's ${file#"$work/module-root"} has a run path under /usr"
  fi
done < <(find "$work/module-root/usr" -type f \( -name "*.so" -o -perm -u+x \))
module_files=$(find "$work/module-root/usr/lib/$multiarch" "$work/module-root/usr/lib/python3" \
  "$work/module-root/usr/lib/tcltk" -type f -printf "%P\n" | LC_ALL=C sort)
soabi=$("$python" -c 'import sysconfig; print(sysconfig.get_config_var("SOABI"))')
expect_output "the module's files under /usr/lib" "$module_files" "dist-packages/zebExamplePython.$soabi.so
libzebExample.so
libzebExampleTcl.so
$multiarch/zebExampleTcl/pkgIndex.tcl"
