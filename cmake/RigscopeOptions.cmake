# Language standard and warnings shared by every target of the project.
add_library(rigscope_options INTERFACE)
add_library(Rigscope::options ALIAS rigscope_options)
target_compile_features(rigscope_options INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
if(MSVC)
  target_compile_options(rigscope_options INTERFACE /W4 /permissive- /utf-8)
else()
  target_compile_options(rigscope_options INTERFACE -Wall -Wextra -Wpedantic)
endif()

if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
  set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "Build type" FORCE)
endif()

# Sanitizer and fuzzing builds (clang). The fuzz build instruments every
# target for coverage and adds the libFuzzer executables under fuzz/.
option(RIGSCOPE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(RIGSCOPE_FUZZ "Build the libFuzzer targets; needs clang, turns on the sanitizers" OFF)
if(RIGSCOPE_SANITIZE OR RIGSCOPE_FUZZ)
  target_compile_options(rigscope_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(rigscope_options INTERFACE -fsanitize=address,undefined)
endif()
if(RIGSCOPE_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "RIGSCOPE_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  target_compile_options(rigscope_options INTERFACE -fsanitize=fuzzer-no-link)
endif()
