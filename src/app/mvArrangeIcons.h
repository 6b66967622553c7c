#pragma once
// The pictures of the arranging commands on the align toolbar, drawn at 20 x 20: grey bars for
// the controls and a blue line for the edge, the centre or the gaps they line up on.
#include <QIcon>

#include "surface/mvArrange.h"

QIcon ArrangeIcon(TmvArrange command);
// "Snap to guides": a bar held on a line.
QIcon GuidesIcon();
