#pragma once

// Seeds rand(), which scatters the palms and puffs the particles: from
// VORLANE_KART_SEED when it holds an unsigned decimal, so that tests see the
// same arena every run; otherwise from the time, after one line on standard
// error when the variable is set to anything else.
void seedRandom();

// The seed an unsigned decimal stands for: digits only, no sign, no spaces,
// no more than an unsigned holds. False for anything else.
bool parseSeed(const char* text, unsigned* seed);
