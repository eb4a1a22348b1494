#!/usr/bin/env bash
# Builds the 32-bit product and writes the release archive
# build/release/Stats-<version>-win32.zip: Stats.dll, stats-replay.exe (finds Stats.dll,
# cty.dat and MASTER.SCP beside itself), cty.dat and MASTER.SCP with their licence,
# README.md, LICENSE and SHA256SUMS. The
# version is the project's, and the DLL's own version resource must say the same; the
# country file is Debian's hamradio-files, whose version the README names.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh win32 >/dev/null
build=build/win32
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
# The resource's strings are UTF-16: "FileVersion" is followed by its value.
resource_version=$(strings -el "$build/Stats.dll" | grep -A1 -x FileVersion | tail -n1)
if [ "$resource_version" != "$version" ]; then
  echo "Stats.dll says version '$resource_version', the project says '$version'" >&2
  exit 1
fi
for program in "$build/Stats.dll" "$build/stats-replay.exe"; do
  # Nothing but Windows' own DLLs: no MinGW runtime to ship beside them.
  if i686-w64-mingw32-objdump -p "$program" | grep -iE 'DLL Name: (libgcc|libstdc|libwinpthread)'; then
    echo "$program needs a MinGW runtime DLL" >&2
    exit 1
  fi
done

cty=/usr/share/hamradio-files/cty.dat
scp=/usr/share/hamradio-files/MASTER.SCP
scp_release=$(sed -n 's/^# Release //p' "$scp" | head -1)
cty_version=$(dpkg-query -W -f '${Version}' hamradio-files)
if ! grep -q "hamradio-files\` $cty_version" README.md; then
  echo "README.md does not name hamradio-files $cty_version, the cty.dat to ship" >&2
  exit 1
fi

name=Stats-$version-win32
stage=build/release/$name
rm -rf "$stage" "build/release/$name.zip"
mkdir -p "$stage"
cp README.md LICENSE "$cty" "$scp" "$stage/"
cp /usr/share/doc/hamradio-files/copyright "$stage/cty.dat-copyright.txt"
# The build keeps its debugging information; the release ships without it.
for program in Stats.dll stats-replay.exe; do
  i686-w64-mingw32-strip -o "$stage/$program" "$build/$program"
done
(cd "$stage" && {
  echo "# cty.dat: AD1C's country file, from Debian's hamradio-files $cty_version"
  echo "# MASTER.SCP: the check-partial file, release $scp_release, from the same package"
  sha256sum Stats.dll stats-replay.exe cty.dat MASTER.SCP cty.dat-copyright.txt README.md LICENSE
} >SHA256SUMS)
# The same sources give the same archive: file times from the last commit.
stamp=$(git log -1 --format=%cI 2>/dev/null || date -u -Iseconds)
touch -d "$stamp" "$stage" "$stage"/*
(cd build/release && zip -X -q -r "$name.zip" "$name")
echo "build/release/$name.zip"
(cd "$stage" && sha256sum -c --quiet SHA256SUMS) && unzip -l "build/release/$name.zip"
