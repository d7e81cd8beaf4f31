# Which Wine loader runs the Windows programs of an architecture, whether this
# machine can run it, and where that architecture's executable ships. Sourced
# by the session and the scripts.
#
# Debian's `wine` (and wineboot, regedit, winepath, which go through it) picks
# the 32-bit loader whenever it is installed, even on a machine whose kernel
# refuses 32-bit code; so the loader is always named explicitly.

# wine_loader x86|x64: the loader's path.
wine_loader() {
    case "$1" in
        x86) echo /usr/lib/wine/wine ;;
        x64) echo /usr/lib/wine/wine64 ;;
        *) echo "unknown architecture: $1" >&2; return 2 ;;
    esac
}

# wine_prefix_arch x86|x64: the WINEARCH of a prefix for that loader.
wine_prefix_arch() {
    case "$1" in
        x86) echo win32 ;;
        x64) echo win64 ;;
    esac
}

# wine_can_run x86|x64: succeeds if the loader starts here. Decided by trying
# it, not by looking for files: a machine may have the 32-bit loader installed
# and still refuse to run it. On failure, prints why.
wine_can_run() {
    local loader output
    loader=$(wine_loader "$1") || return 2
    # Through bash's exec: timeout's own would hand a binary the kernel
    # refuses to /bin/sh as a script, and hide the reason.
    if output=$(timeout 30 bash -c 'exec "$0" --version' "$loader" 2>&1); then
        return 0
    fi
    output=$(head -n 1 <<<"$output")
    echo "its loader $loader does not start (${output##*: })"
    return 1
}

# shipped_exe DIST_ROOT x86|x64: the executable's path. x86, the product, is
# at the root of the folder; x64 beside it in x64/.
shipped_exe() {
    if [ "$2" = x86 ]; then echo "$1/ExcelSweep.exe"; else echo "$1/$2/ExcelSweep.exe"; fi
}
