# Checks the shipped program file: its machine, GUI subsystem, imports and manifest.
# Run as: cmake -DOBJDUMP=... -DPROGRAM=... -DFORMAT=pei-i386 -DALLOWED_IMPORTS=... -P this file
cmake_minimum_required(VERSION 3.20)

execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE headers RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${OBJDUMP} cannot read ${PROGRAM}")
endif()
if(NOT headers MATCHES "file format ${FORMAT}")
  message(FATAL_ERROR "${PROGRAM} is not ${FORMAT}")
endif()
if(NOT headers MATCHES "Subsystem[ \t]+00000002")
  message(FATAL_ERROR "${PROGRAM} is not a Windows GUI program")
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
set(refused "")
foreach(entry IN LISTS imports)
  if(entry MATCHES "^DLL Name: (.+)")
    string(STRIP "${CMAKE_MATCH_1}" dll)
    string(TOUPPER "${dll}" dll)
    if(NOT dll IN_LIST allowed_dlls)
      string(APPEND refused "\n  ${dll}, a DLL that is not one of Windows XP's own")
    endif()
  elseif(entry MATCHES "  ([^ ]+)$")
    if(NOT CMAKE_MATCH_1 IN_LIST allowed_${dll})
      string(APPEND refused "\n  ${CMAKE_MATCH_1} from ${dll}")
    endif()
  endif()
endforeach()
if(refused)
  message(FATAL_ERROR "${PROGRAM} imports what is not on the list of Windows XP's exports "
    "(${ALLOWED_IMPORTS}):${refused}")
endif()

file(READ ${PROGRAM} content HEX)
string(HEX "Microsoft.Windows.Common-Controls" controls)
string(HEX "requestedExecutionLevel" elevation)
string(TOLOWER "${controls}" controls)
string(TOLOWER "${elevation}" elevation)
string(FIND "${content}" "${controls}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${PROGRAM} carries no Common Controls 6 manifest")
endif()
# It would switch off the legacy virtualisation that keeps a standard account's settings.
string(FIND "${content}" "${elevation}" at)
if(NOT at EQUAL -1)
  message(FATAL_ERROR "${PROGRAM} asks for an execution level")
endif()
message(STATUS "${PROGRAM}: ${FORMAT}, GUI, imports only what Windows XP exports")
