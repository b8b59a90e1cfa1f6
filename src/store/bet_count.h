#pragma once

namespace pickora {

// Bets needed to cover every choice of c numbers out of a: a^c for the digit type (1),
// the binomial coefficient C(a, c) for the lotto type (0); 1 when c <= 0.
int betCount(int lotteryType, int c, int a);

} // namespace pickora
