# GoogleTest: the installed package where there is one; otherwise compiled from the
# source that Debian ships under /usr/src/googletest (the cross build has no installed
# copy, and nothing is downloaded at build time).
set(FANDREL_HAVE_GTEST OFF)
if(NOT CMAKE_CROSSCOMPILING)
  find_package(GTest QUIET)
endif()
if(GTest_FOUND)
  set(FANDREL_HAVE_GTEST ON)
elseif(EXISTS /usr/src/googletest/CMakeLists.txt)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # GoogleTest 1.11 and later define GTest::gtest and GTest::gtest_main themselves.
  set(FANDREL_HAVE_GTEST ON)
else()
  message(STATUS "GoogleTest not found: tests are not built")
endif()
