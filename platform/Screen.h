#pragma once
// The display the program runs on. The application reads the primary display's size once at
// start-up; tests set it before the screens are created.

enum TCursor { crDefault, crHandPoint };

struct TScreen {
    int Width = 800;
    int Height = 600;
    // The cursor shown over every window of the program; crDefault lets each control's own
    // cursor show.
    TCursor Cursor = crDefault;
    // Device pixels per logical pixel: the desktop's scale (1.25, 1.5, 2 …), taken once at
    // start-up. Every coordinate of the program stays logical; the drawing surfaces hold device
    // pixels and draw there with this scale applied.
    double PixelRatio = 1.0;
};

extern TScreen Screen;
