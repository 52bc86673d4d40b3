// The signature animation: one frame further on every tick.
#include "dialogue/form1.hpp"

namespace ringcoil {

void Form1::Timer1_Timer() {
  if (w_.AnimationOn == 1) NextFrame();
}

// FrameIndex names the frame shown last. The test is on the new value, so 39
// is followed by 0 and frame 40 (a copy of frame 0) is never shown.
void Form1::NextFrame() {
  w_.FrameIndex = static_cast<std::int16_t>(w_.FrameIndex + 1);
  if (w_.FrameIndex == 40) w_.FrameIndex = 0;
  w_.setPicture1Frame(w_.FrameIndex);
}

}  // namespace ringcoil
