// Keeps the position and size of windows and of movable controls between runs, in twips, under
// HKEY_CURRENT_USER\Software\ORVEN\Software\Noorvale\System\<placement name>: "Top", "Left",
// "Width", "Height".
//
// The routines work on a small seam, Placeable: the object's geometry in twips, its window
// state, its name and the screen's size in twips. QtPlacement.h adapts a QWidget to it. A
// placement name passed empty is replaced by the object's own name, in the caller's variable.
#pragma once

#include <string>

namespace nv {

enum class WindowState { Normal, Minimized, Maximized };

// A rectangle of the screen in twips.
struct TwipsRect {
    double left = 0, top = 0, width = 0, height = 0;
};

class Placeable {
public:
    virtual ~Placeable() = default;
    virtual std::string name() const = 0;
    // Coordinates of the screen for a window, of its container for a control; all in twips.
    virtual double top() const = 0;
    virtual double left() const = 0;
    virtual double width() const = 0;
    virtual double height() const = 0;
    virtual void setTop(double twips) = 0;
    virtual void setLeft(double twips) = 0;
    virtual void setWidth(double twips) = 0;
    virtual void setHeight(double twips) = 0;
    // A control is always in the normal state.
    virtual WindowState windowState() const { return WindowState::Normal; }
    // The (primary) screen's size in twips.
    virtual double screenWidth() const = 0;
    virtual double screenHeight() const = 0;
    // The part of that screen that windows may cover (without its panels and docks); the whole
    // screen unless told otherwise.
    virtual TwipsRect workArea() const { return {0, 0, screenWidth(), screenHeight()}; }
    // What a window's frame (title bar, borders) adds to its width and height; none when not known.
    virtual double frameWidth() const { return 0; }
    virtual double frameHeight() const { return 0; }
};

// Windows: the stored position, pulled back on screen (centred in the work area for each
// coordinate that is missing, before the work area or within 1000 twips of its right or bottom
// edge), then moved just far enough that the whole window, frame included, lies in the work area;
// the stored size where it is above 0, at most what fits in the work area with the frame. A stored
// number that is not finite or lies far beyond the screen counts as missing. Saving writes nothing
// unless the window is in its normal state.
void LoadFormPos(Placeable& form, std::string& name);
void SaveFormPos(const Placeable& form, std::string& name);
void LoadFormSize(Placeable& form, std::string& name);
void SaveFormSize(const Placeable& form, std::string& name);

// Controls: a stored coordinate is applied only when above 0 and more than 1000 twips inside the
// screen's extent; a stored size as for windows. Saving always writes.
void LoadCtlPos(Placeable& control, std::string& name);
void SaveCtlPos(const Placeable& control, std::string& name);
void LoadCtlSize(Placeable& control, std::string& name);
void SaveCtlSize(const Placeable& control, std::string& name);

// The key a placement name is stored under.
std::string PlacementKey(const std::string& name);

}  // namespace nv
