#pragma once

class QWidget;

// Ends the program once the window has painted its first frame: the window's
// first paint event queues the quit, which runs after that frame has been
// drawn and handed to the platform.
void quitAtFirstFrame(QWidget *window);
