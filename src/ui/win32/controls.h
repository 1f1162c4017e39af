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

// The three fonts of the layouts at the screen's scale, by FontKind.
struct Fonts {
    explicit Fonts(const Scale& scale);
    HFONT For(FontKind kind) const { return byKind[static_cast<int>(kind)].Get(); }
    ScopedFont byKind[3];
};

// Creates the table's controls as children of parent, in table order; a frame's controls are
// placed relative to the frame. Returns the controls by identifier. Throws CreationFailure, naming
// the control, when one cannot be made.
std::map<int, HWND> CreateControls(HWND parent, const ControlSpec* begin, const ControlSpec* end, const Scale& scale,
                                   const Fonts& fonts);

void SetText(HWND control, const std::string& text);
// The width of a text in a control's font, in pixels; a label sized to its own text, as a label
// that sizes itself is; a control moved along its row to a left edge, and to a width unless 0.
int TextWidth(HWND control, const std::string& text);
void FitToText(HWND control);
void PlaceAlongRow(HWND control, int left, int width = 0);

}  // namespace vexor::win32
