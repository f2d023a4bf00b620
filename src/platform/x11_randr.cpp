#include "x11_randr.h"

#if RIRI_HAVE_XRANDR

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <algorithm>

namespace x11 {
namespace {

// A refused request must not end the program, as Xlib's own handler would.
bool failed = false;
int noteError(Display*, XErrorEvent*)
{
    failed = true;
    return 0;
}

bool rotatedSideways(Rotation r) { return (r & (RR_Rotate_90 | RR_Rotate_270)) != 0; }

// The output to switch: the primary one, or else the first that shows something.
RROutput primaryOutput(Display* dpy, Window root, XRRScreenResources* res)
{
    RROutput primary = XRRGetOutputPrimary(dpy, root);
    if (primary)
        return primary;
    for (int i = 0; i < res->noutput; ++i) {
        XRROutputInfo* info = XRRGetOutputInfo(dpy, res, res->outputs[i]);
        const bool showing = info && info->crtc;
        if (info)
            XRRFreeOutputInfo(info);
        if (showing)
            return res->outputs[i];
    }
    return 0;
}

// A mode of the output that shows `width` x `height` on screen, or 0.
RRMode modeOfSize(XRRScreenResources* res, XRROutputInfo* output, Rotation rotation, int width, int height)
{
    const bool sideways = rotatedSideways(rotation);
    for (int i = 0; i < output->nmode; ++i) {
        for (int k = 0; k < res->nmode; ++k) {
            const XRRModeInfo& m = res->modes[k];
            if (m.id != output->modes[i])
                continue;
            const int w = int(sideways ? m.height : m.width);
            const int h = int(sideways ? m.width : m.height);
            if (w == width && h == height)
                return m.id;
        }
    }
    return 0;
}

// The screen that holds every lit CRTC, ours at its new size.
void neededScreen(Display* dpy, XRRScreenResources* res, RRCrtc ours, const XRRCrtcInfo* ourInfo, int width,
                  int height, int& screenW, int& screenH)
{
    screenW = ourInfo->x + width;
    screenH = ourInfo->y + height;
    for (int i = 0; i < res->ncrtc; ++i) {
        if (res->crtcs[i] == ours)
            continue;
        XRRCrtcInfo* c = XRRGetCrtcInfo(dpy, res, res->crtcs[i]);
        if (!c)
            continue;
        if (c->mode) {
            screenW = std::max(screenW, c->x + int(c->width));
            screenH = std::max(screenH, c->y + int(c->height));
        }
        XRRFreeCrtcInfo(c);
    }
}

void setScreenSize(Display* dpy, Window root, int screen, int w, int h)
{
    // Same physical size per pixel as now, so the reported DPI does not jump.
    const int mmW = DisplayWidthMM(dpy, screen) * w / std::max(1, DisplayWidth(dpy, screen));
    const int mmH = DisplayHeightMM(dpy, screen) * h / std::max(1, DisplayHeight(dpy, screen));
    XRRSetScreenSize(dpy, root, w, h, mmW, mmH);
}

bool switchOn(Display* dpy, int width, int height)
{
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XRRQueryExtension(dpy, &event, &error) || !XRRQueryVersion(dpy, &major, &minor))
        return false;
    if (major < 1 || (major == 1 && minor < 3))
        return false;
    const int screen = DefaultScreen(dpy);
    const Window root = RootWindow(dpy, screen);
    XRRScreenResources* res = XRRGetScreenResourcesCurrent(dpy, root);
    if (!res)
        return false;
    bool done = false;
    XRROutputInfo* output = nullptr;
    XRRCrtcInfo* crtc = nullptr;
    const RROutput out = primaryOutput(dpy, root, res);
    if (out)
        output = XRRGetOutputInfo(dpy, res, out);
    if (output && output->crtc)
        crtc = XRRGetCrtcInfo(dpy, res, output->crtc);
    const RRMode mode = crtc ? modeOfSize(res, output, crtc->rotation, width, height) : 0;
    if (mode && mode == crtc->mode) {
        done = true;
    } else if (mode) {
        int screenW = 0, screenH = 0;
        neededScreen(dpy, res, output->crtc, crtc, width, height, screenW, screenH);
        int minW = 0, minH = 0, maxW = 0, maxH = 0;
        XRRGetScreenSizeRange(dpy, root, &minW, &minH, &maxW, &maxH);
        screenW = std::max(screenW, minW);
        screenH = std::max(screenH, minH);
        if (screenW <= maxW && screenH <= maxH) {
            const int nowW = DisplayWidth(dpy, screen);
            const int nowH = DisplayHeight(dpy, screen);
            XGrabServer(dpy);
            // The screen must hold the CRTC before and after the change.
            if (screenW > nowW || screenH > nowH)
                setScreenSize(dpy, root, screen, std::max(screenW, nowW), std::max(screenH, nowH));
            const Status s = XRRSetCrtcConfig(dpy, res, output->crtc, CurrentTime, crtc->x, crtc->y, mode,
                                              crtc->rotation, crtc->outputs, crtc->noutput);
            if (s == RRSetConfigSuccess && (screenW != nowW || screenH != nowH))
                setScreenSize(dpy, root, screen, screenW, screenH);
            XUngrabServer(dpy);
            XSync(dpy, False);
            done = s == RRSetConfigSuccess;
        }
    }
    if (crtc)
        XRRFreeCrtcInfo(crtc);
    if (output)
        XRRFreeOutputInfo(output);
    XRRFreeScreenResources(res);
    return done;
}

}  // namespace

bool switchPrimarySize(int width, int height)
{
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy)
        return false;
    failed = false;
    XErrorHandler previous = XSetErrorHandler(noteError);
    const bool done = switchOn(dpy, width, height);
    XSync(dpy, False);
    XSetErrorHandler(previous);
    XCloseDisplay(dpy);
    return done && !failed;
}

}  // namespace x11

#else

namespace x11 {
bool switchPrimarySize(int, int) { return false; }
}  // namespace x11

#endif
