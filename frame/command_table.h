// Routes command identifiers from menus and accelerators to whoever answers them.
#pragma once
#include <functional>
#include <map>

namespace frame {

// One table for the whole window: the frame, the view, the document and the application each
// put their handlers in; a command nobody answers does nothing.
class CommandTable {
public:
    using Handler = std::function<void()>;
    // A later registration for the same id replaces the earlier one.
    void Set(int id, Handler handler) { handlers_[id] = std::move(handler); }
    bool Has(int id) const { return handlers_.count(id) != 0; }
    // Returns whether a handler ran.
    bool Dispatch(int id) const;

private:
    std::map<int, Handler> handlers_;
};

} // namespace frame
