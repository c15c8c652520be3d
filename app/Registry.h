#pragma once
// The screens of the program, created once each in a fixed order; the first is the main window.

// Creates every screen and runs each creation handler, in registry order.
void CreateScreens();
// Deletes every screen and clears the instances (the tests start each case afresh).
void DestroyScreens();
