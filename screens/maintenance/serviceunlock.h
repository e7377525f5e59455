#pragma once

#include <functional>

// The service unlock of the direct card erase: the program offers a challenge
// number, the service staff work out the response from it and a constant only
// they know, and a right response switches fDirectCardErase on until the next
// logon.

inline constexpr int kLowestChallenge = 1001;
inline constexpr int kHighestChallenge = 9999;

// Draws from next() (any non-negative numbers) until one falls in 1001..9999
// once taken modulo 10000.
int DrawChallenge(const std::function<int()> &next);

// The challenge written as four digits and read backwards: 1200 gives 21.
int ReversedChallenge(int challenge);

// The response the service staff give for a challenge.
int DirectEraseResponse(int challenge);

// Asks for the response to a fresh challenge (N9056); a right one switches
// the direct erase on and says so. Cancel, an empty or a wrong answer do nothing.
void UnlockDirectCardErase();
