#!/usr/bin/env python3
"""Checks what a Windows exe imports and how it is flagged.

Lists every DLL and function the exe imports (objdump -p) and fails on a DLL
outside the Windows system set, on a function that Windows XP lacks, or on PE
flags that are not as the build promises (ASLR, DEP, high-entropy ASLR on x64,
subsystem version 5.01 on x86).
"""
import argparse
import re
import subprocess
import sys

SYSTEM_DLLS = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "shell32.dll", "ole32.dll",
    "oleaut32.dll", "comctl32.dll", "comdlg32.dll", "msvcrt.dll", "psapi.dll", "version.dll",
    "winmm.dll", "shlwapi.dll", "msimg32.dll",
}

# Functions newer than Windows XP that toolchains like to pull in. Anything here
# must be loaded at run time with a fallback instead.
NOT_ON_XP = [
    r"GetTickCount64", r".*SRWLock.*", r".*ConditionVariable.*", r"InitOnce.*", r"Fls.*",
    r"GetSystemTimePreciseAsFileTime", r"LCMapStringEx", r"CompareStringEx", r"GetLocaleInfoEx",
    r"GetUserDefaultLocaleName", r"GetSystemDefaultLocaleName", r"LocaleNameToLCID",
    r"LCIDToLocaleName", r"Get(Date|Time|Number|Currency)FormatEx", r"IsValidLocaleName",
    r"ResolveLocaleName", r"EnumSystemLocalesEx", r"CreateSymbolicLink.*",
    r"GetFinalPathNameByHandle.*", r"SetFileInformationByHandle", r"GetFileInformationByHandleEx",
    r"Create(Event|Mutex|Semaphore|WaitableTimer)Ex[AW]", r"InitializeCriticalSectionEx",
    r"GetCurrentProcessorNumber", r"QueryFullProcessImageName.*", r"GetErrorMode", r"GetThreadId",
    r"SetThreadStackGuarantee", r"RegGetValue[AW]", r"RegDeleteKeyEx[AW]", r"RegDeleteTree[AW]",
    r"K32.*", r"SetProcessDPIAware", r"SetProcessDpiAwareness.*", r"GetDpiFor.*",
    r"_create_locale", r"_free_locale", r"_get_current_locale",
    r"_fseeki64", r"_ftelli64", r"_configthreadlocale", r"_set_invalid_parameter_handler",
    r"_get_invalid_parameter_handler", r"WerRegister.*", r"RaiseFailFastException",
    r"GetLogicalProcessorInformationEx", r"CancelIoEx", r"GetQueuedCompletionStatusEx",
    r"CreateThreadpool.*", r"SubmitThreadpoolWork", r"CloseThreadpool.*",
    r"SetDefaultDllDirectories", r"AddDllDirectory", r"RemoveDllDirectory", r"SetDllDirectory[AW]",
    r"SHGetKnownFolderPath",
]
NOT_ON_XP_RE = re.compile("^(" + "|".join(NOT_ON_XP) + ")$")

DLL_CHAR_HIGH_ENTROPY_VA = 0x0020
DLL_CHAR_DYNAMIC_BASE = 0x0040
DLL_CHAR_NX_COMPAT = 0x0100


def read_pe(objdump, exe):
    text = subprocess.run([objdump, "-p", "-h", exe], check=True, capture_output=True,
                          text=True).stdout
    imports = {}
    current = None
    for line in text.splitlines():
        dll = re.match(r"\s*DLL Name:\s*(\S+)", line)
        if dll:
            current = dll.group(1).lower()
            imports.setdefault(current, [])
            continue
        if current is not None:
            member = re.match(r"\s*[0-9a-fA-F]+\s+[0-9a-fA-F]*\s*(\S+)\s*$", line)
            if member and not line.strip().startswith("vma"):
                imports[current].append(member.group(1))
            elif not line.strip():
                current = None
    fields = dict(re.findall(r"^(\w+)\s+([0-9a-fA-Fx.]+)", text, re.MULTILINE))
    fields["HasResources"] = "1" if re.search(r"^\s*\d+\s+\.rsrc\s", text, re.MULTILINE) else "0"
    return imports, fields


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("exe")
    parser.add_argument("--objdump", default="objdump")
    parser.add_argument("--arch", choices=["x86", "x64"], required=True)
    args = parser.parse_args()

    imports, fields = read_pe(args.objdump, args.exe)
    problems = []
    if not imports:
        problems.append("no imports found: not a PE file objdump could read")
    for dll, functions in sorted(imports.items()):
        print(f"{dll}: {', '.join(sorted(functions))}")
        if dll not in SYSTEM_DLLS:
            problems.append(f"imports {dll}, which is not a Windows system DLL")
        for function in functions:
            if NOT_ON_XP_RE.match(function):
                problems.append(f"imports {dll}!{function}, which Windows XP lacks")

    characteristics = int(fields.get("DllCharacteristics", "0"), 16)
    for flag, name in ((DLL_CHAR_DYNAMIC_BASE, "ASLR (dynamic base)"),
                       (DLL_CHAR_NX_COMPAT, "DEP (NX compatible)")):
        if not characteristics & flag:
            problems.append(f"{name} is off")
    if args.arch == "x64" and not characteristics & DLL_CHAR_HIGH_ENTROPY_VA:
        problems.append("high-entropy ASLR is off")
    if args.arch == "x86":
        version = (fields.get("MajorSubsystemVersion"), fields.get("MinorSubsystemVersion"))
        if version != ("5", "1"):
            problems.append(f"subsystem version is {'.'.join(map(str, version))}, not 5.1")

    # The icon, the manifest and the version record live in the resources.
    if fields.get("HasResources") != "1":
        problems.append("carries no resources (icon, manifest, version)")

    for problem in problems:
        print(f"FAIL: {args.exe}: {problem}", file=sys.stderr)
    if problems:
        return 1
    print(f"{args.exe}: {sum(map(len, imports.values()))} imports from {len(imports)} system DLLs, "
          "all present on Windows XP; PE flags as required")
    return 0


if __name__ == "__main__":
    sys.exit(main())
