// The Popup Viewer on screen: a fixed tool window without control box, its controls made from
// the layout table, its lists mirroring the monitor's lists, its label-buttons starting the
// commands and following the hover highlight.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "ui/application.h"
#include "ui/win32/controls.h"
#include "ui/win32/window_base.h"

namespace vexor::win32 {

class PopupViewerView : public WindowBase {
public:
    explicit PopupViewerView(Application& app);
    ~PopupViewerView() override;

    // For the main loop: keyboard navigation between the viewer's controls.
    bool TranslateDialogMessage(MSG* message);

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    class ListMirror;

    void OnChanged();
    void MirrorList(int controlId, ListObserver* list);
    void OnCommand(int controlId, int notification);
    LRESULT OnControlColor(HDC dc, HWND control);
    // Pointer moves and button presses over controls arrive at the controls themselves.
    void SubclassControl(int controlId);
    static LRESULT CALLBACK ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR self);
    void OnControlMouseMove(int controlId);
    void OnOKPopupsMouseDown();
    void SyncSelection(int controlId);

    Application& app_;
    Scale scale_ = Scale::OfScreen();
    Fonts fonts_{scale_};
    std::map<int, HWND> controls_;
    std::vector<std::unique_ptr<ListMirror>> mirrors_;
    ScopedWindow toolTip_;
};

}  // namespace vexor::win32
