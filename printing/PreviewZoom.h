#pragma once

#include <QSize>
#include <QSizeF>

// The zoom of the print preview: a fixed percentage, or the one that fits the page (whole,
// or its width) into the space the window gives it. 1.0 shows a page at 96 dots per inch.
namespace PreviewZoom {

enum class Fit { Page = -1, Width = -2 };

// The zoom at which a page of `pageTwips` fits `space` (pixels): whole for Page, its width
// for Width; never below 10 %.
double fit(QSizeF pageTwips, QSize space, Fit mode);

}  // namespace PreviewZoom
