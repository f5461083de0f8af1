#include "envelopes/EnvelopeArt.h"

#include <QPainter>
#include <QSvgRenderer>

namespace {

// A globe on a small stand.
constexpr const char *kGlobe =
    R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="79" height="90" viewBox="0 0 79 90">
  <defs>
    <radialGradient id="sea" cx="0.38" cy="0.34" r="0.7">
      <stop offset="0" stop-color="#9fd3f5"/><stop offset="0.6" stop-color="#3b8fd0"/>
      <stop offset="1" stop-color="#1c5a94"/>
    </radialGradient>
  </defs>
  <path d="M14 38 A26 26 0 0 0 64 48" fill="none" stroke="#8a6a3a" stroke-width="3"/>
  <circle cx="39.5" cy="36" r="24" fill="url(#sea)" stroke="#184a7a" stroke-width="1.2"/>
  <path d="M27 20 q6 -4 11 0 q3 4 -2 7 q-5 2 -3 7 q2 5 -4 6 q-5 -1 -6 -7 q-1 -8 4 -13 z" fill="#6fb35a" stroke="#3f7a32" stroke-width="0.8"/>
  <path d="M44 16 q8 1 12 7 q2 5 -3 6 q-4 0 -6 4 q-1 5 3 8 q2 5 -3 8 q-6 1 -7 -5 q-1 -6 -4 -9 q-3 -5 1 -10 q3 -5 7 -9 z" fill="#6fb35a" stroke="#3f7a32" stroke-width="0.8"/>
  <ellipse cx="39.5" cy="36" rx="24" ry="8" fill="none" stroke="#ffffff" stroke-opacity="0.45" stroke-width="0.8"/>
  <ellipse cx="39.5" cy="36" rx="10" ry="24" fill="none" stroke="#ffffff" stroke-opacity="0.45" stroke-width="0.8"/>
  <line x1="15.5" y1="36" x2="63.5" y2="36" stroke="#ffffff" stroke-opacity="0.45" stroke-width="0.8"/>
  <rect x="37" y="62" width="5" height="14" fill="#8a6a3a"/>
  <path d="M22 86 q17.5 -12 35 0 z" fill="#6b4f28"/>
</svg>)svg";

// A postage stamp with a perforated edge.
constexpr const char *kStamp =
    R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="64" height="76" viewBox="0 0 64 76">
  <rect x="2" y="2" width="60" height="72" fill="#ffffff" stroke="#b03030" stroke-width="2" stroke-dasharray="3 2"/>
  <rect x="8" y="8" width="48" height="50" fill="#f3d9a4" stroke="#b03030" stroke-width="1"/>
  <circle cx="32" cy="26" r="9" fill="#e0742c"/>
  <path d="M8 58 L22 40 L32 50 L42 36 L56 58 Z" fill="#4a8a3c"/>
  <text x="32" y="69" font-family="sans-serif" font-size="8" font-weight="bold" fill="#b03030" text-anchor="middle">POSTE</text>
</svg>)svg";

// A magnifying glass over a small card: look the contact up in the archive.
constexpr const char *kSearch =
    R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">
  <rect x="3" y="4" width="19" height="14" rx="2" fill="#ffffff" stroke="#1d3c5e" stroke-width="1.2"/>
  <line x1="6" y1="8" x2="17" y2="8" stroke="#1d3c5e" stroke-width="1.2"/>
  <line x1="6" y1="11" x2="14" y2="11" stroke="#7a8a9a" stroke-width="1"/>
  <circle cx="19" cy="18" r="6.5" fill="#d8ecfb" fill-opacity="0.8" stroke="#1d3c5e" stroke-width="2"/>
  <line x1="23.5" y1="22.5" x2="29" y2="28" stroke="#1d3c5e" stroke-width="3.2" stroke-linecap="round"/>
</svg>)svg";

// A fresh sheet with a star: empty the block.
constexpr const char *kClear =
    R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">
  <path d="M7 3 H20 L26 9 V29 H7 Z" fill="#ffffff" stroke="#1d3c5e" stroke-width="1.3"/>
  <path d="M20 3 V9 H26" fill="#dfe6ee" stroke="#1d3c5e" stroke-width="1.1"/>
  <path d="M11 21 l2.2 -0.6 l0.6 -2.2 l0.6 2.2 l2.2 0.6 l-2.2 0.6 l-0.6 2.2 l-0.6 -2.2 z" fill="#e0a020"/>
  <path d="M17 14 l1.4 -0.4 l0.4 -1.4 l0.4 1.4 l1.4 0.4 l-1.4 0.4 l-0.4 1.4 l-0.4 -1.4 z" fill="#e0a020"/>
</svg>)svg";

// A ruler across an envelope corner: the print margins.
constexpr const char *kMargins =
    R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="24" height="24" viewBox="0 0 24 24">
  <rect x="2" y="5" width="18" height="13" fill="#ffffff" stroke="#000080" stroke-width="1.2"/>
  <path d="M2 5 L11 12 L20 5" fill="none" stroke="#000080" stroke-width="1"/>
  <rect x="12" y="13" width="11" height="4" fill="#f0c040" stroke="#8a6a10" stroke-width="0.8" transform="rotate(-35 17.5 15)"/>
</svg>)svg";

}  // namespace

QByteArray EnvelopeArt::svg(Picture picture) {
    switch (picture) {
        case Globe:
            return QByteArray(kGlobe);
        case Stamp:
            return QByteArray(kStamp);
        case Search:
            return QByteArray(kSearch);
        case Clear:
            return QByteArray(kClear);
        case Margins:
            return QByteArray(kMargins);
    }
    return QByteArray();
}

QImage EnvelopeArt::render(Picture picture, QSize size, const QColor &background) {
    QSvgRenderer renderer(svg(picture));
    if (!renderer.isValid()) return QImage();
    if (!size.isValid()) size = renderer.defaultSize();
    const bool opaque = background.alpha() == 255;
    QImage image(size, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    renderer.render(&p);
    return image;
}
