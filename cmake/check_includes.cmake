# cmake -P cmake/check_includes.cmake [BUILD_DIR...]    (default: build/sanitize build/windows)
#
# Every C++ file of the configured builds must include what it uses: GCC's library pulls
# headers in through others that MSVC's does not, so a missing include builds here and
# breaks the MSVC build. Each file is parsed with its own flags from the build's
# compile_commands.json, against libc++ with its transitive includes removed.

set(dirs "")
foreach(i RANGE 3 ${CMAKE_ARGC})
  if(DEFINED CMAKE_ARGV${i} AND NOT CMAKE_ARGV${i} STREQUAL "--")
    cmake_path(ABSOLUTE_PATH CMAKE_ARGV${i} OUTPUT_VARIABLE dir)
    list(APPEND dirs ${dir})
  endif()
endforeach()
cmake_path(GET CMAKE_CURRENT_LIST_DIR PARENT_PATH source_dir)
if(NOT dirs)
  set(dirs ${source_dir}/build/sanitize ${source_dir}/build/windows)
endif()

find_program(clang NAMES clang++-16 NO_CACHE)
if(NOT clang)
  message(FATAL_ERROR "clang++-16 is missing (scripts/lib.sh installs it)")
endif()
# libc++'s headers (and its __config_site) where Clang looks for them itself.
execute_process(COMMAND ${clang} -stdlib=libc++ -E -v -x c++ /dev/null
  OUTPUT_QUIET ERROR_VARIABLE search)
string(REGEX MATCHALL "\n /[^ \n]*/c\\+\\+/v1" found "${search}")
set(libcxx -D_LIBCPP_REMOVE_TRANSITIVE_INCLUDES -nostdinc++)
foreach(dir IN LISTS found)
  string(STRIP "${dir}" dir)
  file(REAL_PATH ${dir} dir)
  list(APPEND libcxx -isystem ${dir})
endforeach()
if(NOT found)
  message(FATAL_ERROR "libc++'s headers are missing (libc++-16-dev)")
endif()

# A response file for each file: xargs then takes two words a file, that response file
# and the name the file is reported under. The last listed go first: the tests, listed
# last, take longest.
set(jobs "")
set(count 0)
foreach(dir IN LISTS dirs)
  if(NOT EXISTS ${dir}/compile_commands.json)
    message(FATAL_ERROR "${dir}/compile_commands.json is missing: configure ${dir} first")
  endif()
  file(READ ${dir}/compile_commands.json db)
  cmake_path(GET dir FILENAME build)
  set(work ${dir}/check_includes)
  file(REMOVE_RECURSE ${work})
  file(MAKE_DIRECTORY ${work})
  string(JSON last LENGTH "${db}")
  math(EXPR last "${last} - 1")
  foreach(i RANGE ${last})
    string(JSON file GET "${db}" ${i} file)
    string(JSON directory GET "${db}" ${i} directory)
    # Not GoogleTest's sources, from /usr/src or fetched into the build folder.
    cmake_path(IS_PREFIX source_dir "${file}" NORMALIZE in_source)
    cmake_path(IS_PREFIX directory "${file}" NORMALIZE in_build)
    if(NOT file MATCHES "\\.(cpp|cc|cxx)$" OR NOT in_source OR in_build)
      continue()
    endif()
    string(JSON command GET "${db}" ${i} command)
    separate_arguments(args UNIX_COMMAND "${command}")
    list(POP_FRONT args compiler)
    # The build compiler's own target: for MinGW-w64, its Windows headers.
    if(NOT DEFINED target_${compiler})
      execute_process(COMMAND ${compiler} -dumpmachine
        OUTPUT_VARIABLE target_${compiler} OUTPUT_STRIP_TRAILING_WHITESPACE)
    endif()
    set(flags --target=${target_${compiler}} ${libcxx} -working-directory ${directory})
    set(skip_next OFF)
    foreach(arg IN LISTS args)
      if(skip_next)
        set(skip_next OFF)
      elseif(arg STREQUAL "-o")
        set(skip_next ON)
      elseif(NOT arg STREQUAL "-c" AND NOT arg STREQUAL file)
        list(APPEND flags "${arg}")
      endif()
    endforeach()
    # -w: Clang's warnings are not this check's business.
    list(APPEND flags -fsyntax-only -w ${file})
    list(TRANSFORM flags REPLACE "([\\\"])" "\\\\\\1")
    list(JOIN flags "\"\n\"" rsp)
    file(WRITE ${work}/${count}.rsp "\"${rsp}\"\n")
    file(RELATIVE_PATH name ${source_dir} ${file})
    string(PREPEND jobs "${work}/${count}.rsp\n${build}: ${name}\n")
    math(EXPR count "${count} + 1")
  endforeach()
endforeach()
if(count EQUAL 0)
  message(FATAL_ERROR "No C++ file of the project in ${dirs}")
endif()
list(GET dirs 0 first)
file(WRITE ${first}/check_includes/jobs "${jobs}")

# sh -c PARSE CLANG RESPONSE_FILE NAME. A failing file and its first errors go out in one
# write, so that the other job's output does not cut through them.
set(parse [=[
out=$("$0" "@$1" 2>&1) || { printf '\n%s\n%s\n' "$2" "$(printf '%s\n' "$out" | head -n 12)"; exit 1; }
]=])
cmake_host_system_information(RESULT cores QUERY NUMBER_OF_LOGICAL_CORES)
execute_process(COMMAND xargs -r -d "\\n" -n 2 -P ${cores} sh -c "${parse}" ${clang}
  INPUT_FILE ${first}/check_includes/jobs RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "The files above do not parse with libc++'s headers alone")
endif()
message("${count} C++ files parsed with libc++'s headers alone: each includes what it uses")
