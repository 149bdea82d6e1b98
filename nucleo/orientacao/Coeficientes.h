#pragma once
// The orientation: the image-to-chart affine transform that the adjustment computes and
// the reserve file keeps.

// Image pixels to chart metres: E = a*x + b*y + c, N = d*x + e*y + f.
struct Coeficientes {
  double a = 0, b = 0, c = 0, d = 0, e = 0, f = 0;

  double Este(double x, double y) const { return a * x + b * y + c; }
  double Norte(double x, double y) const { return d * x + e * y + f; }

  bool operator==(const Coeficientes&) const = default;
};
