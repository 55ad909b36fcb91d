#pragma once

// How many times faster than the wall clock the game's time runs, from
// VORLANE_KART_TIME_SCALE, a whole number from 1 to 8: an end-to-end test
// plays whole matches between CPU karts without waiting them out. 1 when the
// variable is unset, and after one line on standard error when it holds
// anything else. The rules see only more ticks a frame, each the same 10 ms.
int timeScaleFromEnvironment();
