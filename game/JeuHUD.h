#pragma once
// The HUD lives in game/HUD.h; this name stays for the files that include it.
#include "game/HUD.h"
