#pragma once
// Window geometry is kept in twips, as designed; Qt wants logical pixels (15 twips each).

#include <QRect>
#include <QSize>

namespace kestro {

inline constexpr int kTwipsPerPixel = 15;

// Rounds to the nearest pixel, halves away from zero, on both sides of 0 (an element may
// begin above or left of its container).
constexpr int twipsToPixels(int twips) {
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}
static_assert(twipsToPixels(60) == 4 && twipsToPixels(-60) == -4);
static_assert(twipsToPixels(7) == 0 && twipsToPixels(8) == 1 && twipsToPixels(-8) == -1);

// One element's place: left, top, width, height in twips, relative to its container.
struct TwipsRect {
    int left, top, width, height;

    QRect toPixels() const {
        return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                twipsToPixels(height)};
    }
};

inline QSize twipsSize(int width, int height) {
    return {twipsToPixels(width), twipsToPixels(height)};
}

}  // namespace kestro
