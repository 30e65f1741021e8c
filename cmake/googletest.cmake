# GoogleTest: the installed package where there is one (the native builds). Elsewhere its
# sources are compiled as a library of this project: Debian's copy under /usr/src/googletest
# for the cross build, or, for Visual Studio on Windows, always a fixed release that CMake
# downloads once and checks by its hash, never one that another tool left on the machine.
# Not through GoogleTest's own build, which compiles its code with warnings as errors: a
# warning that a newer compiler finds there must not stop the build. Its headers are system
# headers to the tests, whose own code keeps every warning an error.
if(NOT CMAKE_CROSSCOMPILING AND NOT MSVC)
  find_package(GTest QUIET)
  if(GTest_FOUND)
    return()
  endif()
endif()
set(googletest /usr/src/googletest)
if(MSVC OR NOT EXISTS ${googletest}/googletest/src/gtest-all.cc)
  include(FetchContent)
  FetchContent_Declare(googletest
    URL https://github.com/google/googletest/archive/refs/tags/v1.14.0.tar.gz
    URL_HASH SHA256=8ad598c73ad796e0d8280b082cebd82a630d73e73cd3c70057938a6501bba5d7
    # The sources only: a folder without a CMakeLists.txt keeps its own build out.
    SOURCE_SUBDIR sources-only)
  FetchContent_MakeAvailable(googletest)
  set(googletest ${googletest_SOURCE_DIR})
endif()

add_library(gtest STATIC EXCLUDE_FROM_ALL ${googletest}/googletest/src/gtest-all.cc)
target_include_directories(gtest SYSTEM PUBLIC ${googletest}/googletest/include)
target_include_directories(gtest PRIVATE ${googletest}/googletest)
set_target_properties(gtest PROPERTIES COMPILE_WARNING_AS_ERROR OFF)
if(NOT MSVC)
  find_package(Threads REQUIRED)
  target_link_libraries(gtest PUBLIC Threads::Threads)
endif()
add_library(GTest::gtest ALIAS gtest)
