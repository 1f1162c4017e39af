// Resource identifiers shared by the resource script and the program.
#pragma once

#define IDI_PROGRAM 1
#define IDI_SPLASH 2
#define IDI_ABOUT 3
