#include "WindowPlacement.h"

#include <algorithm>
#include <cmath>

#include "RegistryStore.h"
#include "VbConv.h"
#include "VbError.h"
#include "modRegistry.h"

namespace nv {

namespace {

// Every statement of the routines may fail on its own; a failure leaves that step undone.
template <class F>
void step(F&& statement) {
    resumeNext(std::forward<F>(statement));
}

const std::string& resolve(const Placeable& object, std::string& name) {
    if (name.empty()) name = object.name();
    return name;
}

double readDouble(const std::string& key, const char* value, double defaultValue) {
    return ReadRegValue(HKEY_CURRENT_USER, key, value, RegValue(defaultValue)).toDouble();
}

// A stored length or coordinate that no screen has (not a number, infinite, or beyond 64 times
// the screen's extent either way) reads as missing: its default applies.
double readPlacement(const std::string& key, const char* value, double defaultValue, double screen) {
    const double v = readDouble(key, value, defaultValue);
    const double limit = 64 * std::max(screen, 1440.0);
    return std::isfinite(v) && std::fabs(v) <= limit ? v : defaultValue;
}

void writeRounded(const std::string& key, const char* value, double twips) {
    step([&] { WriteRegLong(HKEY_CURRENT_USER, key, value, toInt32(twips)); });
}

// Half of what is left of the screen, the operands rounded first: the centred coordinate.
double centred(double screen, double size) { return static_cast<double>(intDiv(screen - size, 2.0)); }

// A window's size, at most what its work area holds with the frame; a control's, at most the screen.
void loadSize(Placeable& object, std::string& name, bool window) {
    const std::string key = PlacementKey(resolve(object, name));
    double width = 0, height = 0;
    const double screenW = object.screenWidth(), screenH = object.screenHeight();
    step([&] { width = readPlacement(key, "Width", object.width(), screenW); });
    step([&] { height = readPlacement(key, "Height", object.height(), screenH); });
    // Never larger than that: a window that size could not be shown or moved.
    const TwipsRect area = window ? object.workArea() : TwipsRect{0, 0, screenW, screenH};
    const double roomW = area.width - (window ? object.frameWidth() : 0);
    const double roomH = area.height - (window ? object.frameHeight() : 0);
    if (roomW > 0) width = std::min(width, roomW);
    if (roomH > 0) height = std::min(height, roomH);
    if (width > 0) step([&] { object.setWidth(width); });
    if (height > 0) step([&] { object.setHeight(height); });
}

void saveSize(const Placeable& object, std::string& name) {
    RegBatch batch;
    const std::string key = PlacementKey(resolve(object, name));
    writeRounded(key, "Width", object.width());
    writeRounded(key, "Height", object.height());
}

void savePos(const Placeable& object, std::string& name) {
    RegBatch batch;
    const std::string key = PlacementKey(resolve(object, name));
    writeRounded(key, "Top", object.top());
    writeRounded(key, "Left", object.left());
}

}  // namespace

std::string PlacementKey(const std::string& name) { return std::string(kNoorvaleKey) + "\\System\\" + name; }

void LoadFormPos(Placeable& form, std::string& name) {
    const std::string key = PlacementKey(resolve(form, name));
    const TwipsRect area = form.workArea();
    const double outerW = form.width() + form.frameWidth(), outerH = form.height() + form.frameHeight();
    step([&] { form.setTop(readPlacement(key, "Top", area.top + (area.height - outerH) / 2, area.height)); });
    step([&] { form.setLeft(readPlacement(key, "Left", area.left + centred(area.width, outerW), area.width)); });
    step([&] {
        if (form.top() < area.top || form.top() > area.top + area.height - 1000)
            form.setTop(area.top + centred(area.height, outerH));
    });
    step([&] {
        if (form.left() < area.left || form.left() > area.left + area.width - 1000)
            form.setLeft(area.left + centred(area.width, outerW));
    });
    // The whole window on the work area, frame included (a window larger than it keeps its top
    // left corner there).
    step([&] { form.setTop(std::max(area.top, std::min(form.top(), area.top + area.height - outerH))); });
    step([&] { form.setLeft(std::max(area.left, std::min(form.left(), area.left + area.width - outerW))); });
}

void SaveFormPos(const Placeable& form, std::string& name) {
    if (form.windowState() == WindowState::Normal) savePos(form, name);
}

void LoadFormSize(Placeable& form, std::string& name) { loadSize(form, name, true); }

void SaveFormSize(const Placeable& form, std::string& name) {
    if (form.windowState() == WindowState::Normal) saveSize(form, name);
}

void LoadCtlPos(Placeable& control, std::string& name) {
    const std::string key = PlacementKey(resolve(control, name));
    step([&] {
        const int16_t top = ReadRegValue(HKEY_CURRENT_USER, key, "Top", 0).toInt();
        if (top > 0 && top < control.screenHeight() - 1000) control.setTop(top);
    });
    step([&] {
        const int16_t left = ReadRegValue(HKEY_CURRENT_USER, key, "Left", 0).toInt();
        if (left > 0 && left < control.screenWidth() - 1000) control.setLeft(left);
    });
}

void SaveCtlPos(const Placeable& control, std::string& name) { savePos(control, name); }

void LoadCtlSize(Placeable& control, std::string& name) { loadSize(control, name, false); }

void SaveCtlSize(const Placeable& control, std::string& name) { saveSize(control, name); }

}  // namespace nv
