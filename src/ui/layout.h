// Window layouts as data: each window's controls in creation order, with position and size in
// twips (1/1440 inch; 15 twips per pixel at 96 dots per inch) from the top left corner of the
// client area, or of the frame that holds them.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vexor {

enum class ControlKind { List, Label, LabelButton, CommandButton, Frame, Picture };  // the views index tables by it

enum class FontKind {
    WindowDefault,        // the toolkit's default window font: "MS Sans Serif" 8.25 pt
    MicrosoftSansSerif,   // "Microsoft Sans Serif" 8.25 pt
    LabelButton,          // "MS Sans Serif" 8.25 pt, underlined
};

struct ControlSpec {
    int id;              // control identifier in the window
    const char* name;    // the control's name, as handlers refer to it
    ControlKind kind;
    const char* text;    // caption, or nullptr for lists and pictures
    int left, top, width, height;
    int tabIndex;        // the keyboard's order; -1: no tab stop
    int parentId;        // 0: the window; else the frame's id
    FontKind font;
    bool sizedToText = false;  // the width follows the text (label-buttons always do)
};

// The layout's row of a control, or nullptr.
template <std::size_t N>
constexpr const ControlSpec* FindControl(const ControlSpec (&layout)[N], int controlId) {
    for (const ControlSpec& row : layout) {
        if (row.id == controlId) return &row;
    }
    return nullptr;
}

template <std::size_t N>
constexpr bool IsLabelButton(const ControlSpec (&layout)[N], int controlId) {
    const ControlSpec* row = FindControl(layout, controlId);
    return row != nullptr && row->kind == ControlKind::LabelButton;
}

// A control's place along its row, in pixels.
struct Span {
    int left;
    int width;
};

constexpr int kTwipsPerInch = 1440;

// Twips to pixels at the screen's dots per inch, rounded to the nearest pixel.
constexpr int TwipsToPixels(int twips, int dotsPerInch) {
    return (twips * dotsPerInch + kTwipsPerInch / 2) / kTwipsPerInch;
}

// System colour indexes: the user's colour scheme decides the real colours.
constexpr int kColorHighlight = 13;
constexpr int kColorButtonText = 18;

}  // namespace vexor
