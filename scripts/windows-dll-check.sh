#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quimbra developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Checks a deployed Windows folder: every .exe and .dll in it (plugins in
# their subfolders included) may import only DLLs that lie in the folder
# itself or that every 64-bit Windows 10 and 11 has; and every DLL in the
# folder itself is imported by something (plugins are loaded by Qt at run
# time and need no importer). Reads the import tables with objdump.
# Usage: scripts/windows-dll-check.sh FOLDER     (exit status 1 on a fault)
set -euo pipefail

folder=${1:?usage: windows-dll-check.sh FOLDER}
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}

# System DLLs that Qt and the MinGW runtime import. A new import missing here
# fails the check on purpose: someone must decide whether Windows has it.
system_dlls=" advapi32.dll authz.dll bcrypt.dll comctl32.dll comdlg32.dll crypt32.dll d2d1.dll
 d3d11.dll d3d12.dll d3d9.dll dwmapi.dll dwrite.dll dxgi.dll gdi32.dll imm32.dll kernel32.dll
 msvcrt.dll mpr.dll netapi32.dll ntdll.dll ole32.dll oleaut32.dll opengl32.dll rpcrt4.dll
 secur32.dll setupapi.dll shcore.dll shell32.dll shlwapi.dll ucrtbase.dll user32.dll
 userenv.dll uxtheme.dll version.dll winmm.dll ws2_32.dll wtsapi32.dll"
system_dlls=" $(echo $system_dlls) "   # one blank between names and at both ends

declare -A deployed=() imported=()
while IFS= read -r -d '' f; do
    deployed[$(basename "${f,,}")]=1
done < <(find "$folder" -maxdepth 1 -type f -iname '*.dll' -print0)

faults=0
while IFS= read -r -d '' f; do
    name=${f#"$folder"/}
    imports=$("$objdump" -p "$f" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr -d '\r') || {
        echo "windows-dll-check: cannot read the import table of $name" >&2; faults=1; continue; }
    for dll in $imports; do
        lower=${dll,,}
        imported[$lower]=1
        if [[ -n "${deployed[$lower]:-}" || "$system_dlls" == *" $lower "* || "$lower" == api-ms-win-* ]]; then
            continue
        fi
        echo "windows-dll-check: $name imports $dll, which is neither in the folder nor part of Windows" >&2
        faults=1
    done
done < <(find "$folder" -type f \( -iname '*.exe' -o -iname '*.dll' \) -print0 | sort -z)

for dll in "${!deployed[@]}"; do
    if [[ -z "${imported[$dll]:-}" ]]; then
        echo "windows-dll-check: $dll is in the folder but nothing imports it" >&2
        faults=1
    fi
done
exit "$faults"
