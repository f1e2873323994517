#pragma once

#include <QObject>
#include <functional>
#include <type_traits>
#include <utility>

// Runs one event handler. A failure it raises ends it there: the standard error
// report shows the message and the program goes on with the next event.
void runGuarded(const std::function<void()>& handler);

// Connects a signal to a handler through runGuarded. The handler may take the
// signal's arguments or none.
template <typename Sender, typename Signal, typename Handler>
QMetaObject::Connection connectGuarded(Sender* sender, Signal signal, QObject* context, Handler handler) {
    return QObject::connect(sender, signal, context, [handler = std::move(handler)](auto... args) -> void {
        runGuarded([&] {
            if constexpr (std::is_invocable_v<Handler, decltype(args)...>)
                handler(args...);
            else
                handler();
        });
    });
}
