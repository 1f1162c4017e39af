// Events as data: beside a window's layout, a table binds each (control, event) to the handler it
// runs, and one dispatcher walks it. From a control's row to its handler is one hop.
#pragma once

#include <cstddef>

namespace vexor {

enum class ControlEvent { Click, DoubleClick, MouseMove, MouseDown };

template <typename Handlers>
struct EventBinding {
    int controlId;
    const char* control;  // the control's name, as the window's layout table names it
    ControlEvent event;
    void (*handler)(Handlers&);
};

// Runs the handler bound to the control's event; false when the control has none for it.
template <typename Handlers, std::size_t N>
bool Dispatch(const EventBinding<Handlers> (&table)[N], Handlers& handlers, int controlId, ControlEvent event) {
    for (const EventBinding<Handlers>& row : table) {
        if (row.controlId == controlId && row.event == event) {
            row.handler(handlers);
            return true;
        }
    }
    return false;
}

}  // namespace vexor
