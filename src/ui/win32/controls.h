// Controls made from a layout table, and the fonts they use.
#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "platform/win32/scoped_handles.h"
#include "ui/layout.h"

namespace vexor::win32 {

// The screen's scale: twips to pixels at its real dots per inch.
struct Scale {
    int dpiX = 96;
    int dpiY = 96;
    int X(int twips) const { return TwipsToPixels(twips, dpiX); }
    int Y(int twips) const { return TwipsToPixels(twips, dpiY); }
    static Scale OfScreen();
};

class Fonts {
public:
    explicit Fonts(const Scale& scale);
    HFONT For(FontKind kind) const;

private:
    ScopedFont windowDefault_;
    ScopedFont microsoftSansSerif_;
    ScopedFont labelButton_;
};

// Creates the table's controls as children of parent, in table order; a frame's controls are
// placed relative to the frame. Returns the controls by identifier. Throws CreationFailure, naming
// the control, when one cannot be made.
std::map<int, HWND> CreateControls(HWND parent, const ControlSpec* begin, const ControlSpec* end, const Scale& scale,
                                   const Fonts& fonts);

void SetText(HWND control, const std::string& text);
// Sizes a label to its text in its font, as a label that sizes itself does, or to minWidth pixels
// when the text is narrower.
void FitToText(HWND control, int minWidth = 0);

}  // namespace vexor::win32
