// c.cpp: closes the made-up cycle through a source file of unit c.
#include "adventure/a.h"
