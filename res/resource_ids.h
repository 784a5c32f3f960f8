#pragma once

// Resource identifiers shared by the resource scripts and the code (plain
// macros: the resource compiler reads this file too).
#define IDI_VORLANE_LOGO 101
