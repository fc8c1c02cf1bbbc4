# SPDX-License-Identifier: GPL-3.0-or-later
# The hardening Debian gives its packages, for every build: stack protector, stack clash
# protection, control-flow protection, position-independent executables, and relocations
# read-only and bound at start. _FORTIFY_SOURCE needs optimisation (glibc warns without it),
# so only the optimised build types get it, and the sanitizer builds do without: their own
# checks are finer, and fortified calls would hide the accesses from them.
# Paths: the source and build folders are left out of what the compiler writes (debug
# information, __FILE__), so the binaries do not depend on where the tree was built.
include(CheckCXXCompilerFlag)
include(CheckPIESupported)

check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

# Some are for some processors only (-fcf-protection: x86).
foreach(flag -fstack-protector-strong -fstack-clash-protection -fcf-protection)
  string(MAKE_C_IDENTIFIER "VORN_HAS${flag}" supported)
  check_cxx_compiler_flag(${flag} ${supported})
  if(${supported})
    add_compile_options(${flag})
  endif()
endforeach()
add_link_options(LINKER:-z,relro LINKER:-z,now)

# A packager's own choice of fortification (in CXXFLAGS) stands.
if(NOT VORN_SANITIZE AND NOT CMAKE_CXX_FLAGS MATCHES "_FORTIFY_SOURCE")
  add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
endif()

# The build folder is often inside the source folder, so it must win: GCC takes the last
# matching map, clang the longest.
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                    -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)
