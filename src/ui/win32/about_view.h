// The About window on screen: one at a time, created when the model opens and destroyed when
// the user closes it.
#pragma once

#include "ui/about_window.h"
#include "ui/win32/controls.h"
#include "ui/win32/window_base.h"

namespace vexor::win32 {

class AboutView : public WindowBase {
public:
    AboutView(AboutWindow& model, HWND owner);

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnChanged();

    AboutWindow& model_;
    HWND owner_;
    Scale scale_ = Scale::OfScreen();
    Fonts fonts_{scale_};
    ScopedIcon picture_;
};

// The program's own file version from its version resource.
ProgramVersion ReadProgramVersion();

}  // namespace vexor::win32
