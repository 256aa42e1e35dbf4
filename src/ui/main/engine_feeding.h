#pragma once
// The engine's feeding header names a member `slots`, which Qt defines as a keyword
// macro; window code includes the header through here, with the macro set aside.
#pragma push_macro("slots")
#undef slots
#include "engine/feeding.h"
#pragma pop_macro("slots")
