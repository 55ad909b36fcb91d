#pragma once

// A tag match's clock from VORLANE_KART_TAG_SECONDS, whole seconds from 1 to
// 999, so that an end-to-end test can play a whole game of tag without
// waiting out two minutes; `standard` when the variable is unset, and after
// one line on standard error when it holds anything else.
float tagClockFromEnvironment(float standard);
