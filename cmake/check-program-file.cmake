# Checks the shipped program file: its machine, GUI subsystem and its version, a fixed time stamp,
# the run-from-swap flags, imports and manifest.
# Run as: cmake -DOBJDUMP=... -DPROGRAM=... -DFORMAT=pei-i386 -DSUBSYSTEM_VERSION=5.1
#   -DALLOWED_IMPORTS=... -P this file
cmake_minimum_required(VERSION 3.20)

# Every failed check is named on a line of its own (unwrapped, so a test can look for it); the
# run fails once all have been made.
set(problems 0)
function(refuse text)
  message(NOTICE "${PROGRAM} ${text}")
  math(EXPR count "${problems} + 1")
  set(problems ${count} PARENT_SCOPE)
endfunction()

# objdump shows the time stamp in local time.
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${OBJDUMP} -p ${PROGRAM}
  OUTPUT_VARIABLE headers RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${OBJDUMP} cannot read ${PROGRAM}")
endif()
if(NOT headers MATCHES "file format ${FORMAT}")
  message(FATAL_ERROR "${PROGRAM} is not ${FORMAT}")
endif()
if(NOT headers MATCHES "Subsystem[ \t]+00000002")
  message(FATAL_ERROR "${PROGRAM} is not a Windows GUI program")
endif()
# Windows refuses an image that asks for a newer subsystem than it is (XP is 5.1), and a
# toolchain upgrade may raise the linker's default without a word.
string(REPLACE "." ";" wanted_version "${SUBSYSTEM_VERSION}")
list(GET wanted_version 0 wanted_major)
list(GET wanted_version 1 wanted_minor)
if(NOT headers MATCHES "MajorSubsystemVersion[ \t]+${wanted_major}\n"
   OR NOT headers MATCHES "MinorSubsystemVersion[ \t]+${wanted_minor}\n")
  refuse("does not ask for subsystem version ${SUBSYSTEM_VERSION}")
endif()
# Two builds of one commit must be byte for byte the same: no link time in the header.
if(NOT headers MATCHES "Time/Date[ \t]+Thu Jan  1 00:00:00 1970")
  refuse("carries a link time stamp")
endif()
# Copied whole into memory when started from a disc or a share, so a disc swap cannot page
# code in from a missing disc.
string(REGEX MATCH "Characteristics 0x([0-9a-f]+)" characteristics "${headers}")
math(EXPR run_from_swap "0x${CMAKE_MATCH_1} & 0xc00")
if(NOT run_from_swap EQUAL 3072)
  refuse("lacks the run-from-swap flags")
endif()

# What Windows XP's system DLLs export, as far as the program may use it: a line that starts
# with a DLL's name opens that DLL's list, indented lines name its functions, "#" starts a comment.
# A DLL not listed (libgcc, libstdc++, winpthread) would have to ship beside the program.
file(STRINGS ${ALLOWED_IMPORTS} allowed_lines)
foreach(line IN LISTS allowed_lines)
  string(REGEX REPLACE "#.*" "" line "${line}")
  if(line MATCHES "^[ \t]+([^ \t]+)")
    list(APPEND allowed_${dll} "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^([^ \t]+)")
    string(TOUPPER "${CMAKE_MATCH_1}" dll)
    list(APPEND allowed_dlls ${dll})
  endif()
endforeach()

# A "DLL Name:" line, then one line per function: its address, hint and name. An import by
# ordinal shows no name, so it is never on the list.
string(REGEX MATCHALL "DLL Name: [^\n]+|\n\t[0-9a-f]+\t *[0-9]+  [^\n]+" imports "${headers}")
if(NOT imports)
  message(FATAL_ERROR "no imports found in ${PROGRAM}")
endif()
foreach(entry IN LISTS imports)
  if(entry MATCHES "^DLL Name: (.+)")
    string(STRIP "${CMAKE_MATCH_1}" dll)
    string(TOUPPER "${dll}" dll)
    if(NOT dll IN_LIST allowed_dlls)
      refuse("imports ${dll}, a DLL that is not one of Windows XP's own")
    endif()
  elseif(entry MATCHES "  ([^ ]+)$")
    if(NOT CMAKE_MATCH_1 IN_LIST allowed_${dll})
      refuse("imports ${CMAKE_MATCH_1} from ${dll}, which is not on the list of XP's exports")
    endif()
  endif()
endforeach()

file(READ ${PROGRAM} content HEX)
string(HEX "Microsoft.Windows.Common-Controls" controls)
string(HEX "requestedExecutionLevel" elevation)
string(TOLOWER "${controls}" controls)
string(TOLOWER "${elevation}" elevation)
string(FIND "${content}" "${controls}" at)
if(at EQUAL -1)
  refuse("carries no Common Controls 6 manifest")
endif()
# It would switch off the legacy virtualisation that keeps a standard account's settings.
string(FIND "${content}" "${elevation}" at)
if(NOT at EQUAL -1)
  refuse("asks for an execution level")
endif()
if(problems GREATER 0)
  message(FATAL_ERROR "${PROGRAM} fails ${problems} of the program-file checks")
endif()
message(STATUS "${PROGRAM}: ${FORMAT}, GUI ${SUBSYSTEM_VERSION}, reproducible, runs from swap, "
  "imports only what Windows XP exports")
