#include "ui/popup_viewer.h"

namespace vexor {

int PopupViewer::LabelColor(int controlId) const {
    auto color = labelColors_.find(controlId);
    return color == labelColors_.end() ? kColorButtonText : color->second;
}

void PopupViewer::SetLabelColor(int controlId, int colorIndex) {
    labelColors_[controlId] = colorIndex;
    if (labelColorChanged) labelColorChanged(controlId);
}

}  // namespace vexor
