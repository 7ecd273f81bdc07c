# Compile settings shared by every target of the project.
add_library(solvara_config INTERFACE)
target_compile_features(solvara_config INTERFACE cxx_std_20)
target_compile_options(solvara_config INTERFACE -Wall -Wextra -Wno-unused-parameter)
target_compile_definitions(solvara_config INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_FROM_BYTEARRAY
  QT_NO_URL_CAST_FROM_STRING
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)

include(CheckLinkerFlag)
check_linker_flag(CXX "-fuse-ld=lld" SOLVARA_HAVE_LLD)
if(SOLVARA_HAVE_LLD)
  target_link_options(solvara_config INTERFACE -fuse-ld=lld)
endif()

if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
  set(CMAKE_BUILD_TYPE Release CACHE STRING "Build type" FORCE)
endif()

# Sanitizer builds. SOLVARA_SANITIZE: AddressSanitizer and UndefinedBehaviorSanitizer over every
# target (scripts/sanitize.sh). SOLVARA_FUZZ: the same with clang's fuzzing coverage, for the
# libFuzzer targets under tests/fuzz (scripts/fuzz.sh).
option(SOLVARA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(SOLVARA_FUZZ "Build the libFuzzer targets (clang)" OFF)
if(SOLVARA_SANITIZE OR SOLVARA_FUZZ)
  set(sanitizers address,undefined)
  if(SOLVARA_FUZZ)
    set(sanitizers fuzzer-no-link,${sanitizers})
  endif()
  # Frame pointers keep the reports' stacks whole; the fuzz build adds line numbers (-g), which the
  # sanitizer build leaves out so that ccache can share its objects between checkouts.
  target_compile_options(solvara_config INTERFACE -fsanitize=${sanitizers} -fno-sanitize-recover=undefined
    -fno-omit-frame-pointer $<$<BOOL:${SOLVARA_FUZZ}>:-g>)
  target_link_options(solvara_config INTERFACE -fsanitize=address,undefined)
endif()
