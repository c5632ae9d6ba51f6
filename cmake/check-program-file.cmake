# Checks the shipped program file: its machine, GUI subsystem, imports and manifest.
# Run as: cmake -DOBJDUMP=... -DPROGRAM=... -DFORMAT=pei-i386 -P check-program-file.cmake
cmake_minimum_required(VERSION 3.20)

# Every Windows has these; anything else (libgcc, libstdc++, winpthread) would have to ship too.
set(system_dlls ADVAPI32.DLL COMCTL32.DLL GDI32.DLL KERNEL32.DLL MSVCRT.DLL OLE32.DLL OLEACC.DLL
  OLEAUT32.DLL SHELL32.DLL USER32.DLL)

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

string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
if(NOT imports)
  message(FATAL_ERROR "no imports found in ${PROGRAM}")
endif()
foreach(line ${imports})
  string(REPLACE "DLL Name: " "" dll "${line}")
  string(STRIP "${dll}" dll)
  string(TOUPPER "${dll}" dll)
  if(NOT dll IN_LIST system_dlls)
    message(FATAL_ERROR "${PROGRAM} imports ${dll}, which is not a system DLL")
  endif()
endforeach()

# Functions newer than Windows XP that a toolchain's runtime libraries tend to pull in; importing
# one stops the program from starting there at all.
foreach(newer GetTickCount64 InitializeCriticalSectionEx InitOnceExecuteOnce
    GetSystemTimePreciseAsFileTime AcquireSRWLockExclusive SleepConditionVariableCS
    CreateSymbolicLinkA GetFinalPathNameByHandleA)
  if(headers MATCHES "[ \t]${newer}[\r\n]")
    message(FATAL_ERROR "${PROGRAM} imports ${newer}, which Windows XP lacks")
  endif()
endforeach()

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
message(STATUS "${PROGRAM}: ${FORMAT}, GUI, imports only system DLLs")
