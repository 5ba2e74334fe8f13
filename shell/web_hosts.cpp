// web_hosts.cpp: the two web hosts of the start panel, set by the build
// (the CMake cache variables VK3_HOSTING_HOST and VK3_HOME_HOST).
#include "shell/start_panel.h"

#ifndef VK3_HOSTING_HOST
#error "VK3_HOSTING_HOST must name the hosting provider's host"
#endif
#ifndef VK3_HOME_HOST
#error "VK3_HOME_HOST must name the game's home page host"
#endif

std::string HostingProviderHost() { return VK3_HOSTING_HOST; }
std::string HomePageHost() { return VK3_HOME_HOST; }
