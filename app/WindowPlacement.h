// Where a window rectangle restored from Nira.ini goes on today's screens.
#pragma once

#include <QList>
#include <QRect>

namespace nira {

struct ScreenArea {
    QRect geometry;   // the whole screen
    QRect available;  // without panels and docks
};

// The outer rectangle kept when its top strip (kGrabStripHeight rows, at
// least kGrabStripWidth of them wide) lies on one screen, so that the
// title bar can be taken with the mouse; a maximised window's frame may
// hang kFrameOverhang over the screen's edges. Otherwise the rectangle
// moves fully onto the screen it overlaps most, its size cut to that
// screen's available area; on no screen at all, to the top left of the
// primary's available area. screens[primary] is the primary screen.
QRect PlaceRestoredRect(const QRect& outer, const QList<ScreenArea>& screens, int primary);

}  // namespace nira
