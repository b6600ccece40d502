// The keystroke filters of the number boxes: which typed characters a box accepts.
#pragma once

// Character codes of the keys the windows handle.
namespace keycode {
constexpr int Backspace = 8;
constexpr int Enter = 13;
constexpr int Minus = 45;
constexpr int Point = 46;
constexpr int Code127 = 127;
constexpr int Delete = 46;  // as a key-down code
constexpr int Down = 40;    // as a key-down code
}  // namespace keycode

// Backspace, 127, "." and the digits pass unchanged; any other key gives 0
// (discarded; the caller sounds the beep).
int NumericKeyFilter(int keyAscii);
// As NumericKeyFilter, but the point is refused too.
int WholeNumberKeyFilter(int keyAscii);
