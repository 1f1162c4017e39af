#include "ui/about_window.h"

namespace vexor {

std::string FormatVersionLine(const ProgramVersion& version) {
    return std::string(kVersionLabel) + " " + std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
           std::to_string(version.revision);
}

void AboutWindow::Show() {
    if (!open_) {
        open_ = true;
        versionText_ = kVersionLabel;
        Form_Load();
    }
    if (changed) changed();  // shown again (and brought forward) when already open
}

void AboutWindow::CreationFailed() {
    open_ = false;
    if (creationFailed) creationFailed();
}

void AboutWindow::Close() {
    if (!open_) return;
    open_ = false;
    if (changed) changed();
}

}  // namespace vexor
