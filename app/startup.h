#pragma once

// What the program sets up before its first window: its name, the desktop
// entry it belongs to and the mapping of the window's typefaces onto the
// installed Japanese font. (Its icon comes from StartupWarmUp.)
void prepareApplication();
