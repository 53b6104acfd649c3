#pragma once

// Hit codes of entities and of the paper: what lies under a point.
// 0 none, 1 body, 2 to 9 the markers (top-left, top, top-right, bottom-left,
// bottom, bottom-right, left, right). 10 is the inside of a repeat field's
// header, which is selected but never moved by itself.

inline constexpr int kHitNone = 0;
inline constexpr int kHitBody = 1;
inline constexpr int kHitTopLeft = 2;
inline constexpr int kHitTop = 3;
inline constexpr int kHitTopRight = 4;
inline constexpr int kHitBottomLeft = 5;
inline constexpr int kHitBottom = 6;
inline constexpr int kHitBottomRight = 7;
inline constexpr int kHitLeft = 8;
inline constexpr int kHitRight = 9;
inline constexpr int kHitHeaderBody = 10;
