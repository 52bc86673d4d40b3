// The two calculations of the window. They read the value labels' captions,
// compute step by step with a fault test on the floating-point exception
// flags, and write the answer back as text. A failure throws RuntimeError;
// whatever was written before it stays.
#pragma once

#include "window/window_state.hpp"

namespace ringcoil {

// Inductance from turns: reads Окно1..Окно5, writes L into Окно6, then shows
// Окно1..Окно5.
void MyMes(WindowState& w);

// Turns from inductance: reads Окно1..Окно4 and Окно6, writes N squared into
// Zoro, reads it back, writes N into Окно5.
void MyMes2(WindowState& w);

}  // namespace ringcoil
