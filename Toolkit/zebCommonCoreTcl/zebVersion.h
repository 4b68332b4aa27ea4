// Version of the stand-in toolkit, the default version of its Tcl packages.
#ifndef ZEB_VERSION_H
#define ZEB_VERSION_H

#define ZEB_MAJOR_VERSION 4
#define ZEB_MINOR_VERSION 3

#endif
