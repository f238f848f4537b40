// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <vector>

namespace jitsu {

// An axis-aligned box in dots, edges included.
struct DotBox {
    double left = 0, top = 0, right = 0, bottom = 0;

    bool meets(const DotBox& other) const {
        return left <= other.right && other.left <= right && top <= other.bottom &&
               other.top <= bottom;
    }
    // The box grown by `dots` on every side.
    DotBox grown(double dots) const {
        return {left - dots, top - dots, right + dots, bottom + dots};
    }
};

// Where a page has been inked so far: the boxes that hold anything but white paper. A text's
// white ground only hides what lies under it, so on clean paper it need not be drawn; a page's
// hundreds of texts mostly lie on clean paper between rules. Boxes are kept in tiles of a grid,
// so that asking about a small box looks at the few boxes near it.
class InkedAreas {
public:
    // A new sheet: nothing inked.
    void clear();
    void add(const DotBox& box);
    // Whether `box` meets any box added since the last clear().
    bool meets(const DotBox& box) const;

private:
    static constexpr int kTileDots = 256;
    // 8192 dots square: an A4 sheet and nearly all of a B4 one at 600 dpi; boxes beyond fall into
    // the edge tiles, which only makes them meet more.
    static constexpr int kTiles = 32;
    struct TileSpan {
        int firstColumn, lastColumn, firstRow, lastRow;
    };
    static TileSpan tilesOf(const DotBox& box);

    std::array<std::vector<DotBox>, kTiles * kTiles> tiles_;
};

}  // namespace jitsu
