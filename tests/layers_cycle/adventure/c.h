// c.h: unit c's header.
#pragma once
