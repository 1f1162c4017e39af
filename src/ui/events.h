// Events as data: beside each window's layout, a table binds (control, event) to the member
// function of the program that runs. From a control's row to its handler is one hop.
#pragma once

#include <cstddef>

namespace vexor {

enum class ControlEvent {
    Click, DoubleClick, MouseMove, MouseDown, DeleteKey, EscapeKey, CloseRequest,  // the viewer's
    IconNotification, TaskbarCreated, ShowViewerRequest,                            // the tray host's
};

// One row: the control (or the window itself, or the icon's notification number), the event and
// the handler of the program (H) that it runs. A handler that several controls share takes the
// control it runs for.
template <typename H>
struct EventBinding {
    constexpr EventBinding(int control, ControlEvent on, void (H::*run)()) : controlId(control), event(on), handler(run) {}
    constexpr EventBinding(int control, ControlEvent on, void (H::*run)(int))
        : controlId(control), event(on), controlHandler(run) {}

    int controlId;
    ControlEvent event;
    void (H::*handler)() = nullptr;
    void (H::*controlHandler)(int) = nullptr;
};

// Runs the handler that the table binds to the control's event; a control without a row for the
// event ignores it.
template <typename H, std::size_t N>
void Dispatch(const EventBinding<H> (&table)[N], H& program, int controlId, ControlEvent event) {
    for (const EventBinding<H>& row : table) {
        if (row.controlId != controlId || row.event != event) continue;
        if (row.handler) (program.*row.handler)();
        if (row.controlHandler) (program.*row.controlHandler)(controlId);
        return;
    }
}

}  // namespace vexor
