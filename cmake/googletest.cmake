# GoogleTest: the installed package where there is one; otherwise compiled from the
# source that Debian ships under /usr/src/googletest (the cross build has no installed
# copy, and nothing is downloaded at build time here); elsewhere (Visual Studio on
# Windows) a fixed release, downloaded once by CMake.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
# The tests link the C and C++ runtimes statically, as the program does.
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
if(NOT CMAKE_CROSSCOMPILING)
  find_package(GTest QUIET)
endif()
if(GTest_FOUND)
elseif(EXISTS /usr/src/googletest/CMakeLists.txt)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
  include(FetchContent)
  FetchContent_Declare(googletest
    URL https://github.com/google/googletest/archive/refs/tags/v1.14.0.tar.gz
    URL_HASH SHA256=8ad598c73ad796e0d8280b082cebd82a630d73e73cd3c70057938a6501bba5d7)
  FetchContent_MakeAvailable(googletest)
endif()
