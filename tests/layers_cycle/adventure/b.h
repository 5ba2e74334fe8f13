// b.h: the other half of the made-up cycle.
#pragma once
#include "adventure/c.h"
