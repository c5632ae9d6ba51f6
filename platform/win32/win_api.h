// <windows.h> for our files, minus the macros that collide with the ports' method names.
#pragma once

#include <windows.h>
// Needs windows.h first.
#include <shellapi.h>

// windows.h maps WriteProfileString to WriteProfileStringA, renaming the port's method.
#undef WriteProfileString
