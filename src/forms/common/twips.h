#pragma once
// Window geometry is kept in twips, as designed; Qt wants logical pixels (15 twips each).

#include <QRect>
#include <QSize>

namespace kestro {

inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

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
