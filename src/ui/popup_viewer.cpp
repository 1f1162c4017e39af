#include "ui/popup_viewer.h"

namespace vexor {

void PopupViewer::GetSettings() {
    TextList& titles = Lists().OKPopups;
    titles.Clear();
    for (std::string& title : store_.Load()) titles.Append(std::move(title));
}

void PopupViewer::SetCaption(const std::string& caption) {
    caption_ = caption;
    Changed();
}

void PopupViewer::Show() { SetVisible(true); }

void PopupViewer::SetVisible(bool visible) {
    visible_ = visible;
    Changed();
}

void PopupViewer::SetCmdPauseCaption(const std::string& caption) {
    cmdpauseCaption_ = caption;
    Changed();
}

void PopupViewer::Form_MouseMove() {
    for (int id : kHoverLabels) SetLabelColor(id, kColorButtonText);
}

int PopupViewer::LabelColor(int controlId) const {
    for (std::size_t i = 0; i < kHoverLabels.size(); ++i) {
        if (kHoverLabels[i] == controlId) return labelColors_[i];
    }
    return kColorButtonText;
}

void PopupViewer::SetLabelColor(int controlId, int colorIndex) {
    for (std::size_t i = 0; i < kHoverLabels.size(); ++i) {
        if (kHoverLabels[i] == controlId) {
            labelColors_[i] = colorIndex;
            if (labelColorChanged) labelColorChanged(controlId);
        }
    }
}

void PopupViewer::OKPopups_MouseDown() {
    const std::string* selected = Lists().OKPopups.SelectedEntry();
    okPopupsToolTip_ = selected ? *selected : std::string();
    Changed();
}

}  // namespace vexor
