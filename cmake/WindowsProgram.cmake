# Settings shared by every Windows program of this tree.

add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
add_compile_options(-Wall -Wextra -municode)

# The runtime is linked in statically: the programs must need no DLL beyond
# Windows' own. Given here and not only through CMAKE_EXE_LINKER_FLAGS, which a
# command line can replace silently.
add_link_options(-static -static-libgcc -static-libstdc++)
# The release build (MinSizeRel) ships without symbols.
add_link_options($<$<CONFIG:MinSizeRel>:-s>)

# Small programs: no exceptions, no run-time type information.
set(TVQ41_LEAN_FLAGS -fno-exceptions -fno-rtti)

# tvq41_windows_program(<target> GUI|CONSOLE <sources...>): a program with a
# UTF-16 entry point (wWinMain or wmain).
function(tvq41_windows_program target subsystem)
  add_executable(${target} ${ARGN})
  target_compile_options(${target} PRIVATE ${TVQ41_LEAN_FLAGS})
  # Entry points are wWinMain / wmain: UTF-16 all the way from the start.
  target_link_options(${target} PRIVATE -municode)
  if(subsystem STREQUAL "GUI")
    target_link_options(${target} PRIVATE -mwindows)
  else()
    target_link_options(${target} PRIVATE -mconsole)
  endif()
endfunction()
