#!/usr/bin/env bash
# Checks a Windows Stats.dll: it exports the ten entry points under their plain names and
# under the names the host's 32-bit compiler gives their declarations, both names of a
# function at the same address, and it imports nothing but Windows system DLLs.
# Usage: check_exports.sh DLL OBJDUMP DECLARATIONS.cpp
set -euo pipefail
dll=$1 objdump=$2 declarations=$3
if [ ! -f "$dll" ]; then
  echo "skipped: $dll is not built"
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

clang++ --target=i686-pc-windows-msvc -S -emit-llvm -o "$work/decl.ll" "$declarations"
grep -o '^declare [^@]*@"?[^"]*"' "$work/decl.ll" | sed 's/.*@"//; s/"$//' | sort > "$work/decorated"
[ "$(wc -l < "$work/decorated")" -eq 10 ] || { echo "expected 10 declarations"; exit 1; }

plain="GetNumberOfSets GetSetName SetupSet0 ResetStats0 AddData0 RemoveData0 CheckCall0
IsValidExchg0 GetExchgCount0 GetResult0"
{ cat "$work/decorated"; printf '%s\n' $plain; } | sort > "$work/expected"

"$objdump" -p "$dll" > "$work/dump"
sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' "$work/dump" | sed -n 's/^\s*\[ *[0-9]*\] //p' \
  | sort > "$work/exported"
if ! diff -u "$work/expected" "$work/exported"; then
  echo "FAIL: export names differ (- expected, + exported)"
  exit 1
fi

# Both names of a function lead to the same code: the export address table, read in the
# order of the name table, pairs each decorated name with its plain name's address.
rva_of() {
  local index
  index=$(sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' "$work/dump" \
    | grep -F "] $1" | grep -v -F "] $1@" | head -n1 | sed 's/^\s*\[ *\([0-9]*\)\].*/\1/')
  sed -n '/^Export Address Table -- Ordinal Base/,/^$/p' "$work/dump" \
    | grep -E "^\s*\[ *$index\]" | awk '{print $(NF-2)}'
}
declare -A declared=([GetExchgCount0]=StatsGetExchgCount0 [IsValidExchg0]=StatsIsValidExchg0
                     [CheckCall0]=CheckCallFunc0)
for name in $plain; do
  decorated=$(grep "^?${declared[$name]:-$name}@@" "$work/decorated")
  if [ "$(rva_of "$name")" != "$(rva_of "$decorated")" ]; then
    echo "FAIL: $name and $decorated lead to different addresses"
    exit 1
  fi
done

imports=$(grep 'DLL Name:' "$work/dump" | awk '{print tolower($3)}' | sort -u)
for import in $imports; do
  case $import in
    kernel32.dll|user32.dll|gdi32.dll|comctl32.dll|advapi32.dll|ole32.dll|oleaut32.dll|\
    version.dll|msvcrt.dll|shell32.dll|comdlg32.dll|uuid.dll) ;;
    *) echo "FAIL: imports $import, which a host machine may not have"; exit 1 ;;
  esac
done
echo "ok: 20 export names, paired addresses, imports: $(echo $imports)"
