#pragma once

// Everything is laid out in the 1280 x 960 logical window; a resized or
// maximised window gets the same picture scaled to fill it.
struct WindowSize {
    int width;
    int height;
};

// A viewport given in logical pixels (origin bottom-left, as glViewport),
// in a window of the given real size.
void setLogicalViewport(WindowSize window, int x, int y, int width, int height);
