// Routes command identifiers from menus and accelerators to whoever answers them.
#include "frame/command_table.h"

namespace frame {

bool CommandTable::Dispatch(int id) const {
    auto it = handlers_.find(id);
    if (it == handlers_.end() || !it->second) return false;
    // A copy, so a handler may replace its own entry while it runs.
    Handler h = it->second;
    h();
    return true;
}

} // namespace frame
