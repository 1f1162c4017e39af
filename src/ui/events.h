// Events as data: beside a window's layout, a table binds each (control, event) to the member
// function it runs. From a control's row to its handler is one hop.
#pragma once

#include <cstddef>

namespace vexor {

enum class ControlEvent { Click, DoubleClick, MouseMove, MouseDown, DeleteKey };

template <typename Handlers>
using Handler = void (Handlers::*)();

template <typename Handlers>
struct EventBinding {
    int controlId;
    ControlEvent event;
    Handler<Handlers> handler;
};

// The handler bound to the control's event; nullptr when the control has none for it.
template <typename Handlers, std::size_t N>
constexpr Handler<Handlers> FindHandler(const EventBinding<Handlers> (&table)[N], int controlId, ControlEvent event) {
    for (const EventBinding<Handlers>& row : table) {
        if (row.controlId == controlId && row.event == event) return row.handler;
    }
    return nullptr;
}

}  // namespace vexor
