#include "ui/popup_viewer.h"

#include <algorithm>
#include <vector>

namespace vexor {

namespace {
// The background the bottom row keeps from the right edge: at least what "Resume" keeps in the
// original font.
constexpr int kRowMarginTwips = 60;
}  // namespace

ViewerPlacement PlaceViewer(int dotsPerInch, const std::map<int, int>& textWidths) {
    auto px = [dotsPerInch](int twips) { return TwipsToPixels(twips, dotsPerInch); };
    ViewerPlacement placed{px(kViewerClientWidth), {}};
    // The bottom row, left to right: a label-button moves right as far as the ones before it grew.
    std::vector<const ControlSpec*> row;
    for (const ControlSpec& control : kViewerLayout) {
        if (control.kind == ControlKind::LabelButton && control.parentId == 0) row.push_back(&control);
    }
    std::sort(row.begin(), row.end(), [](const ControlSpec* a, const ControlSpec* b) { return a->left < b->left; });
    int right = 0;
    const ControlSpec* before = nullptr;
    for (const ControlSpec* control : row) {
        const int left = before ? std::max(px(control->left), right + px(control->left - before->left - before->width)) : px(control->left);
        placed.controls[control->id] = {left, textWidths.at(control->id)};
        right = left + textWidths.at(control->id);
        before = control;
    }
    placed.clientWidth = std::max(placed.clientWidth, right + px(kRowMarginTwips));

    // The heading, then "Hide" at the table's gap after it and its margin before the right edge.
    const ControlSpec& heading = *FindControl(kViewerLayout, kLabel1Id);
    const ControlSpec& hide = *FindControl(kViewerLayout, kCmdHideId);
    const ControlSpec& list = *FindControl(kViewerLayout, kOKPopupsId);
    const int headingWidth = std::max(px(heading.width), textWidths.at(kLabel1Id));
    const int hideMargin = px(kViewerClientWidth - hide.left - hide.width);
    placed.controls[kLabel1Id] = {px(heading.left), headingWidth};
    placed.clientWidth = std::max(placed.clientWidth, px(heading.left) + headingWidth +
                                                          px(hide.left - heading.left - heading.width) + px(hide.width) +
                                                          hideMargin);
    placed.controls[kCmdHideId] = {placed.clientWidth - hideMargin - px(hide.width), px(hide.width)};
    const int listMargin = px(kViewerClientWidth - list.left - list.width);
    placed.controls[kOKPopupsId] = {px(list.left), placed.clientWidth - px(list.left) - listMargin};
    return placed;
}

int PopupViewer::LabelColor(int controlId) const {
    auto color = labelColors_.find(controlId);
    return color == labelColors_.end() ? kColorButtonText : color->second;
}

void PopupViewer::SetLabelColor(int controlId, int colorIndex) {
    labelColors_[controlId] = colorIndex;
    if (labelColorChanged) labelColorChanged(controlId);
}

}  // namespace vexor
