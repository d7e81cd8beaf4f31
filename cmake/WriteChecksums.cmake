# Writes DIST_ROOT/SHA256SUMS for the shipped executables built so far, in the
# format `sha256sum -c` reads:  cmake -DDIST_ROOT=dist -P WriteChecksums.cmake
set(lines "")
foreach(exe ExcelSweep.exe x64/ExcelSweep.exe)
    if(EXISTS ${DIST_ROOT}/${exe})
        file(SHA256 ${DIST_ROOT}/${exe} hash)
        string(APPEND lines "${hash}  ${exe}\n")
    endif()
endforeach()
file(WRITE ${DIST_ROOT}/SHA256SUMS "${lines}")
