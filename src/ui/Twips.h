#pragma once
// The classic layout is given in twips; 15 twips are one pixel.

constexpr int twipsZuPixel(int twips) {
    return twips / 15;
}
