#include "linux/x_target_window.h"

#include "linux/x11.h"

#include <stdexcept>
#include <string>

namespace kelvor::x11 {

namespace {

constexpr unsigned int kOwnWindowWidth = 800;
constexpr unsigned int kOwnWindowHeight = 600;
constexpr char kOwnWindowTitle[] = "Kelvor";

}  // namespace

TargetWindow::TargetWindow(Display* display, const TargetChoice& choice) : display_(display) {
    switch (choice.target) {
    case ModuleTarget::Root:
        window_ = DefaultRootWindow(display);
        break;
    case ModuleTarget::GivenWindow:
        window_ = choice.windowId;
        break;
    case ModuleTarget::OwnWindow:
        window_ = CreateOwnWindow();
        break;
    }
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, window_, &attributes) == 0)
        throw std::runtime_error("there is no window " + std::to_string(window_));
    visual_ = attributes.visual;
    colormap_ = attributes.colormap != 0 ? attributes.colormap : DefaultColormapOfScreen(attributes.screen);
    depth_ = attributes.depth;
    screen_ = XScreenNumberOfScreen(attributes.screen);
    size_ = {attributes.width, attributes.height};
    // Another program's window keeps the events its owner chose; these are added for this client.
    XSelectInput(display, window_, ExposureMask | StructureNotifyMask);
    if (own_) XMapWindow(display, window_);
}

Window TargetWindow::CreateOwnWindow() {
    const int screen = DefaultScreen(display_);
    XSetWindowAttributes attributes{};
    // No background: every pixel is painted by the module (the panel from its image, the rest
    // filled), so the server need not clear anything first (which would flash).
    attributes.background_pixmap = None;
    own_ = ScopedWindow(
        display_, XCreateWindow(display_, RootWindow(display_, screen), 0, 0, kOwnWindowWidth, kOwnWindowHeight, 0,
                                CopyFromParent, InputOutput, CopyFromParent, CWBackPixmap, &attributes));
    XStoreName(display_, own_.Get(), kOwnWindowTitle);
    XClassHint hint{const_cast<char*>(kModuleName), const_cast<char*>(kOwnWindowTitle)};
    XSetClassHint(display_, own_.Get(), &hint);
    deleteWindow_ = XInternAtom(display_, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display_, own_.Get(), &deleteWindow_, 1);
    return own_.Get();
}

TargetWindow::Change TargetWindow::Handle(const XEvent& event, PixelRect& exposed) {
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
        return event.xdestroywindow.window == window_ ? Change::Gone : Change::Unrelated;
    case ClientMessage:
        return own_ && event.xclient.window == window_ && event.xclient.format == 32 &&
                       static_cast<Atom>(event.xclient.data.l[0]) == deleteWindow_
                   ? Change::Gone
                   : Change::Unrelated;
    default:
        return Change::Unrelated;
    }
}

}  // namespace kelvor::x11
