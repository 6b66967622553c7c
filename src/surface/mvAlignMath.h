#pragma once
// The arithmetic of lining up and spacing a group along one axis, on plain numbers: each
// control is a span (its near edge and its size along the axis), in the order of its near
// edge. Nothing here knows a control or a window, so every command that arranges controls
// (the alignment dialog, the context menu, keys) shares it.
#include <QtGlobal>
#include <functional>
#include <vector>

struct TmvSpan {
    qint64 Start = 0; // the near edge: left or top
    qint64 Size = 0;  // width or height
    qint64 End() const { return Start + Size; }
};

// Rounds a position as the dialog's units require (identity when nothing is required).
using TmvQuantize = std::function<qint64(qint64)>;

// "Space equally": the first and the last span stay; the ones between get equal gaps, each
// placed after the one before it. When the spans do not fit between the outer ones with
// equal gaps and their order (first, inner ones, last) would change, their near edges are
// spaced equally instead: no span ever passes another. Fewer than three spans stay put.
std::vector<qint64> EqualSpacingStarts(const std::vector<TmvSpan>& spans,
                                       const TmvQuantize& quantize);
// Equal steps between the spans' centres (a centre truncates half the size toward zero): the
// spans with the lowest and the highest centre stay, the others keep their order by centre.
// Fewer than three spans stay put.
std::vector<qint64> EqualCentreStarts(const std::vector<TmvSpan>& spans,
                                      const TmvQuantize& quantize);
// "Remove spacing": every span starts where the one before it ends; the first stays.
std::vector<qint64> PackedStarts(const std::vector<TmvSpan>& spans);
// "Increase by" / "Decrease by": the i-th span (0-based) moves by i * step.
std::vector<qint64> SteppedStarts(const std::vector<TmvSpan>& spans, qint64 step);

// How far the group moves so that its extent, from the first span's near edge to the last
// span's far edge, is centred in the area [areaStart, areaStart + areaSize). The far edge is
// the last span's even when another reaches further. Halves truncate toward zero.
qint64 CenteringShift(const std::vector<TmvSpan>& spans, qint64 areaStart, qint64 areaSize);
