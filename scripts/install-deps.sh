#!/usr/bin/env bash
# Installs what the builds, tests and tools need, from Debian's packages (as root).
set -euo pipefail
packages=(
  cmake ninja-build g++ clang lld llvm libclang-rt-14-dev   # native build, export names, fuzzing
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix      # the Windows DLLs
  binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  libgtest-dev googletest libbenchmark-dev                 # tests and benchmarks
  wine64 fonts-wine                                        # the Windows tests
  xvfb xauth imagemagick                                   # windows on a private display
  hamradio-files                                           # cty.dat and MASTER.SCP
  zip                                                      # the release archive
  ccache                                                   # rebuilds share compilations
  python3                                                  # the include-graph check
  chromium                                                 # renders the replay's web page in a test
)
# 32-bit wine runs the product DLL. A machine that cannot have it still builds and runs
# everything else: scripts/test.sh then says loudly that the 32-bit runs were skipped.
wine32=wine32:i386

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
missing=()
for package in "${packages[@]}"; do
  installed "$package" || missing+=("$package")
done
export DEBIAN_FRONTEND=noninteractive
updated=
if ! installed "$wine32"; then
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  apt-get update -qq && updated=1
  apt-get install -y -qq --no-install-recommends "$wine32" >/dev/null ||
    echo "WARNING: $wine32 could not be installed: 32-bit Windows programs will not run" >&2
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  [ -n "$updated" ] || apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
