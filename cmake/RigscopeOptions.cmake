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
