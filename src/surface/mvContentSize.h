#pragma once
// The size a control's caption needs, as a Windows dialog lays it out: the text's width as the
// surface draws it in the control's font, plus the control's own frame (a push button's edges
// and focus rectangle) or box (a check's or a radio's mark and the gap after it).
#include <QSize>

class TmvControl;

// Buttons, checks, radios, text and links size to their caption; other types do not.
bool SizesToContent(const TmvControl& control);
// The size in pixels, made whole dialog units (rounded up, so the text still fits) when
// `useDbu` is on. Only meaningful when SizesToContent.
QSize ContentSize(const TmvControl& control, bool useDbu);
// Where the first line of the caption sits on the control `height` pixels high: its baseline's
// offset from the top (text and links draw from the top, the others centre one line), or -1
// for a type without a caption of its own.
int BaselineOffset(const TmvControl& control, int height);
