#include "app/WindowPlacement.h"

#include <algorithm>

#include "app/Resource.h"

namespace nira {

namespace {

bool TopStripOnScreen(const QRect& outer, const QRect& screen) {
    const QRect reach = screen.adjusted(-kFrameOverhang, -kFrameOverhang, kFrameOverhang,
                                        kFrameOverhang);
    const QRect strip(outer.left(), outer.top(), outer.width(),
                      std::min(outer.height(), kGrabStripHeight));
    const QRect onScreen = strip & reach;
    return onScreen.height() >= strip.height() &&
           onScreen.width() >= std::min(outer.width(), kGrabStripWidth);
}

qint64 Area(const QRect& r) {
    return r.isEmpty() ? 0 : qint64{r.width()} * r.height();
}

// Moves (and if need be shrinks) r to lie within area.
QRect Within(QRect r, const QRect& area) {
    r.setWidth(std::min(r.width(), area.width()));
    r.setHeight(std::min(r.height(), area.height()));
    r.moveLeft(std::clamp(r.left(), area.left(), area.right() - r.width() + 1));
    r.moveTop(std::clamp(r.top(), area.top(), area.bottom() - r.height() + 1));
    return r;
}

}  // namespace

QRect PlaceRestoredRect(const QRect& outer, const QList<ScreenArea>& screens, int primary) {
    if (screens.isEmpty()) return outer;
    for (const ScreenArea& screen : screens) {
        if (TopStripOnScreen(outer, screen.geometry)) return outer;
    }
    const ScreenArea* best = nullptr;
    for (const ScreenArea& screen : screens) {
        if (Area(outer & screen.geometry) > (best ? Area(outer & best->geometry) : 0))
            best = &screen;
    }
    if (best != nullptr) return Within(outer, best->available);
    const QRect home = screens[std::clamp(primary, 0, int(screens.size()) - 1)].available;
    QRect moved = outer;
    moved.moveTopLeft(home.topLeft());
    return moved;
}

}  // namespace nira
