#pragma once

// Whether a window program can reach a display. Asked before the application
// object is made, because the windowing system ends the program at once when
// it finds none.
class DisplayCheck
{
public:
    static bool available();
};
