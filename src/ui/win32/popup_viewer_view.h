// The Popup Viewer on screen: a fixed tool window without control box, its controls made from
// the layout table, its lists mirroring the monitor's lists, every control event handed to the
// handler that the viewer's event table binds.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <memory>
#include <string>

#include "ui/application.h"
#include "ui/win32/layout_window.h"

namespace vexor::win32 {

class PopupViewerView : public LayoutWindow {
public:
    explicit PopupViewerView(Application& app);
    ~PopupViewerView() override;

    // For the main loop: keyboard navigation between the viewer's controls.
    bool TranslateDialogMessage(MSG* message);

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    class ListMirror;

    // The constructor's steps, after the window and its controls are made.
    void FitTexts();
    void MirrorLists();
    void SubclassControls();
    void CreateToolTip();
    TOOLINFOA AllowedListTool(const std::string& text) const;

    void OnChanged();
    void OnCommand(int controlId, int notification);
    void DrawLabelButton(const DRAWITEMSTRUCT& item);
    void OnPaint();
    RECT FocusRect(HWND control) const;
    // Pointer moves and button presses over controls arrive at the controls themselves.
    static LRESULT CALLBACK ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR self);
    // The model's selection follows the list box's, before any handler reads it.
    void SyncSelection(int controlId);

    Application& app_;
    std::map<int, std::unique_ptr<ListMirror>> mirrors_;  // by list control
    std::map<int, TextList*> selectableLists_;            // lists whose selection handlers read
    ScopedWindow toolTip_;
};

}  // namespace vexor::win32
