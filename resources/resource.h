// Resource ids and the program's version: the one place they are set.
#pragma once

#define IDI_PROGRAM 1

#define EXCELSWEEP_VERSION_BINARY 1, 0, 0, 0
#define EXCELSWEEP_VERSION_TEXT "1.00"
