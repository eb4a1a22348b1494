#!/usr/bin/env bash
# Installs what the builds, tests and tools need, from Debian's packages (as root).
set -euo pipefail
packages=(
  cmake ninja-build g++ clang lld llvm libclang-rt-14-dev   # native build, export names, fuzzing
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix      # the Windows DLLs
  binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  libgtest-dev googletest libbenchmark-dev                 # tests and benchmarks
  wine64 xvfb xauth imagemagick                            # Windows tests and pictures
  hamradio-files                                           # cty.dat and MASTER.SCP
)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
    || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
