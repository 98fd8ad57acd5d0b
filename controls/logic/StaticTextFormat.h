// How a decorated label lays out its text: the DrawText format that follows
// from the static control's style and the text itself.
#pragma once
#include <cstddef>

// style is the window style of the static control (its SS_ type in the low
// five bits); text may be null. The result is a set of DT_ flags.
unsigned StaticTextFormat(unsigned long style, const char* text);
