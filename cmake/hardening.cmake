# The hardening Debian's own build flags give a program, added to every build unless the builder's
# flags (CXXFLAGS, LDFLAGS, or CMAKE_CXX_FLAGS and CMAKE_EXE_LINKER_FLAGS) already say otherwise:
# a position-independent executable, the strong stack protector, _FORTIFY_SOURCE in optimised
# builds, and full RELRO with immediate binding.
include(CheckPIESupported)
include(CheckCXXSourceCompiles)

option(ROADSHIFT_HARDENING "Build a hardened executable (PIE, stack protector, fortify, RELRO)" ON)

function(roadshift_harden)
  if(NOT ROADSHIFT_HARDENING)
    return()
  endif()
  if(CMAKE_BUILD_TYPE)
    string(TOUPPER "${CMAKE_BUILD_TYPE}" config)
  endif()
  set(given "${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${config}}")
  set(given_link "${CMAKE_EXE_LINKER_FLAGS} ${CMAKE_EXE_LINKER_FLAGS_${config}}")
  set(added "")

  # Position-independent code in every library, and the executable linked as PIE.
  if(NOT "${given} ${given_link}" MATCHES "(^| )-(f(no-)?(pie|PIE)|(no-)?pie)( |$)")
    check_pie_supported(OUTPUT_VARIABLE why LANGUAGES CXX)
    if(CMAKE_CXX_LINK_PIE_SUPPORTED)
      set(CMAKE_POSITION_INDEPENDENT_CODE ON PARENT_SCOPE)
      list(APPEND added PIE)
    else()
      message(WARNING "The linker cannot make a position-independent executable: ${why}")
    endif()
  endif()

  if(NOT given MATCHES "-f(no-)?stack-protector")
    add_compile_options(-fstack-protector-strong)
    list(APPEND added -fstack-protector-strong)
  endif()

  # Fortified calls need the optimiser, and would hide calls from AddressSanitizer; some
  # compilers define the macro themselves when optimising, so define it only where it is not.
  if(NOT ROADSHIFT_SANITIZE AND NOT given MATCHES "-[DU] *_FORTIFY_SOURCE")
    set(CMAKE_REQUIRED_FLAGS -O2)
    check_cxx_source_compiles(
      "#ifdef _FORTIFY_SOURCE\n#error defined\n#endif\nint main() { return 0; }"
      ROADSHIFT_FORTIFY_UNDEFINED)
    if(ROADSHIFT_FORTIFY_UNDEFINED)
      add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
      list(APPEND added "_FORTIFY_SOURCE=2 (optimised builds)")
    endif()
  endif()

  if(NOT given_link MATCHES "relro")
    add_link_options(LINKER:-z,relro)
    list(APPEND added "-z relro")
  endif()
  if(NOT given_link MATCHES "-z *,?now|-znow")
    add_link_options(LINKER:-z,now)
    list(APPEND added "-z now")
  endif()

  list(JOIN added ", " added)
  message(STATUS "Hardening added: ${added}")
endfunction()

roadshift_harden()
