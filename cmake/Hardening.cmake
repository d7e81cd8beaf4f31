# The program's own code needs neither exceptions nor RTTI, and has one thread;
# without them the static runtime stays small.
function(excelsweep_lean_code target)
    if(NOT MSVC)
        target_compile_options(${target} PRIVATE -fno-exceptions -fno-rtti -fno-threadsafe-statics
            -ffunction-sections -fdata-sections)
    endif()
endfunction()

# How a shipped executable is linked: a GUI program with a Unicode entry, ASLR
# (high-entropy on x64), DEP and terminal-server awareness; the C and C++ runtimes linked in, so that
# it needs only Windows' own DLLs; no timestamp and no build paths, so that two
# builds of one commit give the same bytes.
function(excelsweep_harden target)
    excelsweep_lean_code(${target})
    if(MSVC)
        set_target_properties(${target} PROPERTIES MSVC_RUNTIME_LIBRARY MultiThreaded)
        target_compile_options(${target} PRIVATE /Brepro)
        # The manifest is our own resource; a second one from the linker would clash.
        target_link_options(${target} PRIVATE /DYNAMICBASE /NXCOMPAT /TSAWARE /Brepro /MANIFEST:NO)
    else()
        target_compile_options(${target} PRIVATE
            -ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
        target_link_options(${target} PRIVATE -municode -static -s -Wl,--gc-sections
            -Wl,--dynamicbase -Wl,--nxcompat -Wl,--tsaware -Wl,--no-insert-timestamp)
        if(CMAKE_SIZEOF_VOID_P EQUAL 8)
            target_link_options(${target} PRIVATE -Wl,--high-entropy-va)
        endif()
    endif()
endfunction()
