#pragma once
// Every X header the module uses, in one place. Xlib defines a macro with a plain name (Status)
// that would rewrite the core's declarations of that name included after it; once all X headers
// are in, it goes.

#include <X11/Xatom.h>
#include <X11/Xft/Xft.h>
#include <X11/Xlib-xcb.h>
#include <X11/Xlib.h>
#include <X11/Xresource.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xinerama.h>
#include <X11/extensions/Xrandr.h>
#include <xcb/xcb.h>

#undef Status
