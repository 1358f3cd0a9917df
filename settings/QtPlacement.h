// The placement seam for a Qt widget: its geometry in pixels shown as twips through the logical
// DPI of the widget's screen (twips = pixels x 1440 / DPI), the primary screen's size, the
// widget's object name, and for a window its state. The position is that of the window's
// frame (QWidget::pos/move), the size that of its contents (QWidget::size/resize). The work area is
// the primary screen's available geometry; the frame is known once the window has been shown.
#pragma once

#include "WindowPlacement.h"

class QWidget;

namespace nv {

class QtPlaceable : public Placeable {
public:
    explicit QtPlaceable(QWidget& widget) : widget_(widget) {}
    std::string name() const override;
    double top() const override;
    double left() const override;
    double width() const override;
    double height() const override;
    void setTop(double twips) override;
    void setLeft(double twips) override;
    void setWidth(double twips) override;
    void setHeight(double twips) override;
    WindowState windowState() const override;
    double screenWidth() const override;
    double screenHeight() const override;
    TwipsRect workArea() const override;
    double frameWidth() const override;
    double frameHeight() const override;

private:
    QWidget& widget_;
};

// The placement routines for a widget: under `name`, or under its object name when `name` is
// empty (LoadFormPos(*this), SaveFormSize(*this, "frmMain")).
void LoadFormPos(QWidget& form, const std::string& name = {});
void SaveFormPos(QWidget& form, const std::string& name = {});
void LoadFormSize(QWidget& form, const std::string& name = {});
void SaveFormSize(QWidget& form, const std::string& name = {});
// Moves a shown window, and shrinks it where it must, so that its frame lies on the work area of
// the primary screen: for after the window manager has framed it.
void KeepOnWorkArea(QWidget& window);
void LoadCtlPos(QWidget& control, const std::string& name = {});
void SaveCtlPos(QWidget& control, const std::string& name = {});
void LoadCtlSize(QWidget& control, const std::string& name = {});
void SaveCtlSize(QWidget& control, const std::string& name = {});

}  // namespace nv
