#include "printing/PreviewZoom.h"

#include <algorithm>

#include "printing/Twips.h"

namespace PreviewZoom {

double fit(QSizeF pageTwips, QSize space, Fit mode) {
    const double k = Twips::dotsPerTwip(96);
    if (pageTwips.isEmpty() || space.isEmpty()) return 1.0;
    const double across = space.width() / (pageTwips.width() * k);
    const double down = space.height() / (pageTwips.height() * k);
    const double zoom = mode == Fit::Width ? across : std::min(across, down);
    return std::max(zoom, 0.1);
}

}  // namespace PreviewZoom
