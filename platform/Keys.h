#pragma once
// Key codes as the screens' key handlers and menu shortcuts know them.

inline constexpr int VK_BACK = 8;
inline constexpr int VK_TAB = 9;
inline constexpr int VK_RETURN = 13;
inline constexpr int VK_SHIFT = 16;
inline constexpr int VK_CONTROL = 17;
inline constexpr int VK_ESCAPE = 27;
inline constexpr int VK_SPACE = 32;
inline constexpr int VK_PRIOR = 33;
inline constexpr int VK_NEXT = 34;
inline constexpr int VK_END = 35;
inline constexpr int VK_HOME = 36;
inline constexpr int VK_LEFT = 37;
inline constexpr int VK_UP = 38;
inline constexpr int VK_RIGHT = 39;
inline constexpr int VK_DOWN = 40;
inline constexpr int VK_INSERT = 45;
inline constexpr int VK_DELETE = 46;
// Letters and digits are their upper-case ASCII codes ('A' = 65, '0' = 48).
inline constexpr int VK_F1 = 112;
inline constexpr int VK_F2 = 113;
// F3 … F12 follow F2 in order.
inline constexpr int VK_F12 = 123;
