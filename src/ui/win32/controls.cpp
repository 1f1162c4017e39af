#include "ui/win32/controls.h"

#include <algorithm>
#include <vector>

#include "ui/win32/window_base.h"

namespace vexor::win32 {

namespace {

// 8.25 point text at the screen's dots per inch.
ScopedFont MakeFont(const char* face, const Scale& scale, bool underline) {
    LOGFONTA font{};
    font.lfHeight = -MulDiv(33, scale.dpiY, 4 * 72);
    font.lfWeight = FW_NORMAL;
    font.lfUnderline = underline ? TRUE : FALSE;
    font.lfCharSet = ANSI_CHARSET;
    lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
    return ScopedFont(CreateFontIndirectA(&font));
}

struct ClassAndStyle {
    const char* className;
    DWORD style;
};

// By ControlKind.
const ClassAndStyle kControlClasses[] = {
    {"LISTBOX", WS_VSCROLL | WS_BORDER | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT},
    // SS_NOTIFY: a label takes its own pointer moves instead of passing them through.
    {"STATIC", SS_LEFT | SS_NOTIFY},
    // A label-button is a button that draws itself as its label: screen readers read it as a
    // button named by its caption, and the keyboard can reach it.
    {"BUTTON", BS_OWNERDRAW},
    {"BUTTON", BS_PUSHBUTTON},
    {"BUTTON", BS_GROUPBOX},  // a frame
    {"STATIC", SS_ICON | SS_REALSIZEIMAGE},
};

}  // namespace

int TextWidth(HWND control, const std::string& text) {
    SIZE extent{};
    ScopedGetDC dc(control);
    ScopedSelectFont font(dc.Get(), reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
    return extent.cx;
}

void FitToText(HWND control) {
    char text[512];
    GetWindowTextA(control, text, sizeof(text));
    RECT rect;
    GetClientRect(control, &rect);
    SetWindowPos(control, nullptr, 0, 0, TextWidth(control, text), rect.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PlaceAlongRow(HWND control, int left, int width) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    SetWindowPos(control, nullptr, left, rect.top, width > 0 ? width : rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

Scale Scale::OfScreen() {
    ScopedGetDC screen(nullptr);
    Scale scale{GetDeviceCaps(screen.Get(), LOGPIXELSX), GetDeviceCaps(screen.Get(), LOGPIXELSY)};
    if (scale.dpiX <= 0) scale.dpiX = 96;
    if (scale.dpiY <= 0) scale.dpiY = 96;
    return scale;
}

Fonts::Fonts(const Scale& scale)
    : byKind{MakeFont("MS Sans Serif", scale, false), MakeFont("Microsoft Sans Serif", scale, false),
             MakeFont("MS Sans Serif", scale, true)} {}

std::map<int, HWND> CreateControls(HWND parent, const ControlSpec* begin, const ControlSpec* end, const Scale& scale,
                                   const Fonts& fonts) {
    std::map<int, HWND> controls;
    std::map<int, const ControlSpec*> rows;
    for (const ControlSpec* row = begin; row != end; ++row) {
        int left = row->left;
        int top = row->top;
        if (row->parentId != 0) {
            left += rows.at(row->parentId)->left;
            top += rows.at(row->parentId)->top;
        }
        ClassAndStyle kind = kControlClasses[static_cast<int>(row->kind)];
        // A label one line high shows as much of its text as fits instead of wrapping it away.
        if (row->kind == ControlKind::Label && row->height <= 255) kind.style = SS_LEFTNOWORDWRAP | SS_NOTIFY;
        if (row->tabIndex >= 0) kind.style |= WS_TABSTOP;
        HWND control = CreateWindowExA(0, kind.className, row->text ? row->text : "", WS_CHILD | WS_VISIBLE | kind.style,
                                       scale.X(left), scale.Y(top), scale.X(row->width), scale.Y(row->height), parent,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(row->id)), ProgramInstance(), nullptr);
        if (!control) throw CreationFailure(std::string("the control ") + row->name);
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.For(row->font)), FALSE);
        if (row->sizedToText || row->kind == ControlKind::LabelButton) FitToText(control);
        controls[row->id] = control;
        rows[row->id] = row;
    }
    // The keyboard visits the controls in the order of their tab indexes.
    std::vector<const ControlSpec*> byTab;
    for (const auto& [id, row] : rows) byTab.push_back(row);
    std::sort(byTab.begin(), byTab.end(), [](const ControlSpec* a, const ControlSpec* b) { return a->tabIndex < b->tabIndex; });
    HWND previous = HWND_TOP;
    for (const ControlSpec* row : byTab) {
        SetWindowPos(controls[row->id], previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = controls[row->id];
    }
    return controls;
}

void SetText(HWND control, const std::string& text) { SetWindowTextA(control, text.c_str()); }

}  // namespace vexor::win32
