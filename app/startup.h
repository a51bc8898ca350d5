#pragma once

// What the program sets up before its first window: its name, the desktop
// entry it belongs to, its icon and the mapping of the window's typefaces
// onto the installed Japanese font.
void prepareApplication();
