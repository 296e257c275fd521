// Real input for the menu tests: mouse clicks and key strokes go through the system's
// input queue (SendInput), so menus, hooks and the window procedures see them as they
// would see the user's.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <vector>

namespace kova::testing {

inline void ClickScreen(POINT at, bool right_button = false) {
  SetCursorPos(at.x, at.y);
  INPUT inputs[2] = {};
  inputs[0].type = inputs[1].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = right_button ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
  inputs[1].mi.dwFlags = right_button ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
  SendInput(2, inputs, sizeof(INPUT));
}

// Moves the mouse to a screen point.
inline void MoveMouse(POINT to) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(to.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(to.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof(INPUT));
}

// Presses and releases each key in turn.
inline void PressKeys(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (WORD key : keys) {
    INPUT down{};
    down.type = INPUT_KEYBOARD;
    down.ki.wVk = key;
    INPUT up = down;
    up.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(down);
    inputs.push_back(up);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Alt held while `key` is pressed, as for a menu accelerator.
inline void PressAltWith(WORD key) {
  INPUT inputs[4] = {};
  for (INPUT& input : inputs) {
    input.type = INPUT_KEYBOARD;
  }
  inputs[0].ki.wVk = VK_MENU;
  inputs[1].ki.wVk = key;
  inputs[2].ki.wVk = key;
  inputs[2].ki.dwFlags = KEYEVENTF_KEYUP;
  inputs[3].ki.wVk = VK_MENU;
  inputs[3].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(4, inputs, sizeof(INPUT));
}

}  // namespace kova::testing
