#pragma once
// Which side of the directed line P1 -> P2 the point P3 lies on, with E to the right and
// N up: +1 on the left, -1 on the right, 0 on the line or when two points coincide.
// Walking the limit polygon clockwise (W -> N -> E -> S), the left of each edge is the
// outside, so +1 is the side of the region named after that edge.
// Comparisons are exact, without tolerance.
int Lado_do_ponto(double E1, double N1, double E2, double N2, double E3, double N3);
