#pragma once

namespace velmora {

// The clock's geometry rounds to the nearest whole number with ties to
// even, and its ties are real: a window 113 high puts the centre at 57.5,
// and sin 30° makes half pixels on every integer length. These helpers keep
// such values exact instead of letting floating-point noise pick a side.

int RoundHalfEven(double value);

// round(numerator / denominator) computed in integers; denominator > 0.
int RoundRatio(long long numerator, long long denominator);

// Sine and cosine of an angle given in thousandths of a degree. Multiples
// of 30° give their exact values (0, ±1/2, ±1): no other rational angle has
// a rational sine, so no other angle can produce an exact tie.
double SinMilliDegrees(long long milliDegrees);
double CosMilliDegrees(long long milliDegrees);

// Font sizes are given in points at 96 pixels per inch, as on the desktop
// the dial was designed for, so the dial looks the same on every screen.
int PointsToPixels(int points);

}  // namespace velmora
