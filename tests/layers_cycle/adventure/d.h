// d.h: a unit outside the cycle.
#pragma once
#include "adventure/c.h"
