// SPDX-License-Identifier: GPL-3.0-or-later
#include "InkedAreas.h"

#include <algorithm>
#include <cmath>

namespace jitsu {

namespace {

// A coordinate's tile along one axis; clamping keeps two boxes that meet in a common tile.
int tileOf(double dots, int tileDots, int tiles) {
    const double tile = std::floor(dots / tileDots);
    return static_cast<int>(std::clamp(tile, 0.0, static_cast<double>(tiles - 1)));
}

}  // namespace

InkedAreas::TileSpan InkedAreas::tilesOf(const DotBox& box) {
    return {tileOf(box.left, kTileDots, kTiles), tileOf(box.right, kTileDots, kTiles),
            tileOf(box.top, kTileDots, kTiles), tileOf(box.bottom, kTileDots, kTiles)};
}

void InkedAreas::clear() {
    for (auto& tile : tiles_) tile.clear();
}

void InkedAreas::add(const DotBox& box) {
    const TileSpan span = tilesOf(box);
    for (int row = span.firstRow; row <= span.lastRow; ++row)
        for (int column = span.firstColumn; column <= span.lastColumn; ++column)
            tiles_[row * kTiles + column].push_back(box);
}

bool InkedAreas::meets(const DotBox& box) const {
    const TileSpan span = tilesOf(box);
    for (int row = span.firstRow; row <= span.lastRow; ++row)
        for (int column = span.firstColumn; column <= span.lastColumn; ++column)
            for (const DotBox& inked : tiles_[row * kTiles + column])
                if (inked.meets(box)) return true;
    return false;
}

}  // namespace jitsu
