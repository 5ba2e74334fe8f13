// a.h: half of a made-up include cycle for the layers check's own test.
#pragma once
#include "adventure/b.h"
