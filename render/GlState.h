#pragma once

// The graphics state every pass starts from and restores.
void setFixedGlState();
