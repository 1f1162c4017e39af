#include "commands/command_context.h"

#include <utility>

namespace vexor {

void LoadAllowedTitles(TextList& titles, AllowedTitleStore& store) {
    titles.Clear();
    for (std::string& title : store.Load()) titles.Append(std::move(title));
}

}  // namespace vexor
