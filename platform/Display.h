#pragma once
// Whether the program has a graphical display to show its windows on. Without one the toolkit
// would abort with advice in English; the learner gets a German message instead.

#include <functional>

// Whether the environment names a display the toolkit can open: a toolkit platform chosen by
// name (a virtual one needs no display), an X display, or a Wayland compositor. A local X display
// counts only while its server's socket exists. `variable` reads one environment variable,
// nullptr for an unset one.
bool DisplayNamed(const std::function<const char*(const char*)>& variable);

// Ends the program with status 1 and says on standard error, in German, that no graphical
// display was found and how to start the program, where no display is named or the toolkit
// cannot open the one that is. Called before the toolkit starts.
void RequireDisplay();
