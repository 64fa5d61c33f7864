#include "linux/x_target_window.h"

#include "linux/x11.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "linux/x_visual.h"

namespace kelvor::x11 {

namespace {

constexpr unsigned int kOwnWindowWidth = 800;
constexpr unsigned int kOwnWindowHeight = 600;
constexpr char kOwnWindowTitle[] = "Kelvor";
constexpr char kEscape = 27;

// Under which the window drawn on is noted with the display; the same name gives the same context.
XContext TargetContext() { return static_cast<XContext>(XrmStringToQuark("kelvor target window")); }

// As X programs write window ids: 0x1a00003.
std::string WindowIdText(Window window) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%lx", window);
    return text;
}

}  // namespace

TargetWindow::TargetWindow(Display* display, const TargetChoice& choice, const ModuleOptions& options,
                           std::vector<std::string>& warnings)
    : display_(display) {
    switch (choice.target) {
    case ModuleTarget::Root:
        window_ = DefaultRootWindow(display);
        break;
    case ModuleTarget::GivenWindow:
        window_ = choice.windowId;
        break;
    case ModuleTarget::OwnWindow:
        window_ = CreateOwnWindow(options, warnings);
        break;
    }
    // Noted before the first request about it, which fails for a window that is not there.
    XSaveContext(display, window_, TargetContext(), nullptr);
    if (!own_) {
        // Another's window keeps its visual, colormap and place.
        const std::string which = choice.target == ModuleTarget::Root ? "the root window" : "a given window";
        for (const auto& [given, option] : {std::pair{!options.visual.empty(), "-visual"},
                                            std::pair{options.installColormap, "-install"},
                                            std::pair{options.geometry.has_value(), "-geometry"}})
            if (given) warnings.push_back(std::string("option '") + option + "' ignored on " + which);
    }
    // Another program's window keeps the events its owner chose; these are added for this client.
    // Chosen before the attributes are read: a window destroyed after that reading still announces
    // its end, and one destroyed before fails the reading.
    XSelectInput(display, window_, ExposureMask | StructureNotifyMask | (own_ ? KeyPressMask : 0));
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, window_, &attributes) == 0)
        throw std::runtime_error("there is no window " + WindowIdText(window_));
    visual_ = attributes.visual;
    colormap_ = attributes.colormap != 0 ? attributes.colormap : DefaultColormapOfScreen(attributes.screen);
    depth_ = attributes.depth;
    screen_ = XScreenNumberOfScreen(attributes.screen);
    size_ = {attributes.width, attributes.height};
    if (own_) XMapWindow(display, window_);
}

TargetWindow::~TargetWindow() {
    // The module ends on the window's destruction, but the errors for requests sent just before it
    // may still be on their way; they must arrive while the window is still known as the target.
    XSync(display_, False);
    XDeleteContext(display_, window_, TargetContext());
}

bool IsTargetWindow(Display* display, XID id) {
    XPointer data = nullptr;
    return XFindContext(display, id, TargetContext(), &data) == 0;
}

Window TargetWindow::CreateOwnWindow(const ModuleOptions& options, std::vector<std::string>& warnings) {
    const int screen = DefaultScreen(display_);
    XVisualInfo visual{};
    visual.visual = DefaultVisual(display_, screen);
    visual.depth = DefaultDepth(display_, screen);
    if (!options.visual.empty()) {
        if (const std::optional<XVisualInfo> found = FindVisual(display_, screen, options.visual))
            visual = *found;
        else
            warnings.push_back("bad value '" + options.visual + "' for option '-visual', using its default");
    }
    XSetWindowAttributes attributes{};
    unsigned long mask = CWBackPixmap | CWBorderPixel;
    // No background: every pixel is painted by the module (the panel from its image, the rest
    // filled), so the server need not clear anything first (which would flash).
    attributes.background_pixmap = None;
    // A visual other than the screen's needs a colormap of its own; -install asks for one anyway.
    if (visual.visual != DefaultVisual(display_, screen) || options.installColormap) {
        ownColormap_ =
            ScopedColormap(display_, XCreateColormap(display_, RootWindow(display_, screen), visual.visual, AllocNone));
        attributes.colormap = ownColormap_.Get();
        mask |= CWColormap;
    }
    const GeometryOption geometry = options.geometry.value_or(GeometryOption{});
    const auto width = static_cast<unsigned int>(geometry.width.value_or(kOwnWindowWidth));
    const auto height = static_cast<unsigned int>(geometry.height.value_or(kOwnWindowHeight));
    int x = geometry.x.value_or(0);
    int y = geometry.y.value_or(0);
    // Counted from the right or the bottom, a place can fall below what 16 bits carry.
    constexpr int kSmallest = -32768;
    if (geometry.fromRight) x = std::max(DisplayWidth(display_, screen) - static_cast<int>(width) - x, kSmallest);
    if (geometry.fromBottom) y = std::max(DisplayHeight(display_, screen) - static_cast<int>(height) - y, kSmallest);
    own_ = ScopedWindow(display_, XCreateWindow(display_, RootWindow(display_, screen), x, y, width, height, 0,
                                                visual.depth, InputOutput, visual.visual, mask, &attributes));
    if (options.geometry) {
        // The user's size and place, which window managers keep to.
        XSizeHints hints{};
        hints.flags = (geometry.width ? USSize : 0) | (geometry.x ? USPosition : 0);
        hints.x = x;
        hints.y = y;
        hints.width = static_cast<int>(width);
        hints.height = static_cast<int>(height);
        XSetWMNormalHints(display_, own_.Get(), &hints);
    }
    NameOwnWindow();
    return own_.Get();
}

void TargetWindow::NameOwnWindow() {
    XStoreName(display_, own_.Get(), kOwnWindowTitle);
    XClassHint hint{const_cast<char*>(kModuleName), const_cast<char*>(kOwnWindowTitle)};
    XSetClassHint(display_, own_.Get(), &hint);
    deleteWindow_ = XInternAtom(display_, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display_, own_.Get(), &deleteWindow_, 1);
    // Whose window this is, so that a window manager can end a module that hangs.
    const long pid = static_cast<long>(getpid());
    XChangeProperty(display_, own_.Get(), XInternAtom(display_, "_NET_WM_PID", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);
    std::array<char, 256> host{};
    if (gethostname(host.data(), host.size() - 1) == 0) {
        char* name = host.data();
        XTextProperty machine{};
        if (XStringListToTextProperty(&name, 1, &machine) != 0) {
            XSetWMClientMachine(display_, own_.Get(), &machine);
            XFree(machine.value);
        }
    }
}

TargetWindow::Change TargetWindow::Handle(XEvent& event, PixelRect& exposed) {
    switch (event.type) {
    case Expose:
        if (event.xexpose.window != window_) return Change::Unrelated;
        exposed = {event.xexpose.x, event.xexpose.y, event.xexpose.x + event.xexpose.width,
                   event.xexpose.y + event.xexpose.height};
        return Change::Exposed;
    case ConfigureNotify:
        if (event.xconfigure.window != window_) return Change::Unrelated;
        if (PixelSize{event.xconfigure.width, event.xconfigure.height} == size_) return Change::Unrelated;
        size_ = {event.xconfigure.width, event.xconfigure.height};
        return Change::Resized;
    case DestroyNotify:
        return event.xdestroywindow.window == window_ ? Change::Closed : Change::Unrelated;
    case KeyPress: {
        if (!own_ || event.xkey.window != window_) return Change::Unrelated;
        char typed = 0;
        KeySym key = NoSymbol;
        XLookupString(&event.xkey, &typed, 1, &key, nullptr);
        return typed == 'q' || typed == 'Q' || typed == kEscape ? Change::Closed : Change::Unrelated;
    }
    case ClientMessage:
        return own_ && event.xclient.window == window_ && event.xclient.format == 32 &&
                       static_cast<Atom>(event.xclient.data.l[0]) == deleteWindow_
                   ? Change::Closed
                   : Change::Unrelated;
    default:
        return Change::Unrelated;
    }
}

}  // namespace kelvor::x11
