#include "support/Sound.h"

SoundSystem soundSystem;
