#pragma once
// A scroll bar's Kind (0 vertical, 1 horizontal) and Alignment (0 right, 1 top, 2 left,
// 3 bottom) must agree: a vertical bar lies at the right or left, a horizontal one at the top
// or bottom. Stored values that disagree are corrected on reading.

// The alignment that fits the kind: vertical with top or bottom gives right, horizontal with
// right or left gives bottom; anything else is kept.
inline int ConsistentScrollAlignment(int kind, int alignment) {
    if (kind == 0 && (alignment == 1 || alignment == 3)) return 0;
    if (kind == 1 && (alignment == 0 || alignment == 2)) return 3;
    return alignment;
}

// The kind that fits the alignment: a bar at the top or bottom lies horizontally, one at a side
// vertically.
inline int ScrollKindOfAlignment(int alignment) {
    return (alignment == 1 || alignment == 3) ? 1 : 0;
}
