// The About window on screen: one at a time, created when the model opens and destroyed when
// the user closes it.
#pragma once

#include "ui/about_window.h"
#include "ui/win32/layout_window.h"

namespace vexor::win32 {

class AboutView : public ModelWindow<AboutWindow> {
public:
    using ModelWindow::ModelWindow;

protected:
    void Open() override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// The program's own file version from its version resource.
ProgramVersion ReadProgramVersion();

}  // namespace vexor::win32
