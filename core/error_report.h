#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <type_traits>
#include <utility>

// Runs one event handler. A failure it raises ends it there: the standard error
// report shows the message and the program goes on with the next event.
void runGuarded(const std::function<void()>& handler);

// Shows a failure found outside a handler (while a grid paints, say) in the
// same report, after any report already open.
void reportFailure(const QString& message);

namespace detail {
// Calls a handler with the signal's arguments, or with none when it takes none.
// Both branches depend on Args, so only the one taken has to compile.
template <typename Handler, typename... Args> void callHandler(const Handler& handler, const Args&... args) {
    if constexpr (std::is_invocable_v<const Handler&, const Args&...>)
        handler(args...);
    else
        handler();
}
} // namespace detail

// Connects a signal to a handler through runGuarded. The handler may take the
// signal's arguments or none.
template <typename Sender, typename Signal, typename Handler>
QMetaObject::Connection connectGuarded(Sender* sender, Signal signal, QObject* context, Handler handler) {
    return QObject::connect(sender, signal, context, [handler = std::move(handler)](auto... args) -> void {
        runGuarded([&] { detail::callHandler(handler, args...); });
    });
}
