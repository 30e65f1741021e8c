#pragma once

// Shared by the program's entry, which loads the icon for the window, and its resource
// script. The icon has the lowest ID so that the shell shows it for the file.
#define IDI_FANDREL 1
