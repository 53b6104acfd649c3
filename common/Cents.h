#pragma once

// Money amounts to the cent, the way they are shown and added up.

// The amount to the cent, halves away from zero (23.125 is 23.13, -0.005 is
// -0.01). The amount is first taken to 15 significant digits, so that a
// product such as 1.005 that a double holds as 1.00499... still counts as the
// half it stands for. An amount too large to have cents, or not a finite
// number, is returned as it is.
double RoundToCents(double amount);
