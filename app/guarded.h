// Runs one event handler's body; an error that ends it goes to `show`, and nothing crosses back into Qt.
#pragma once

#include <exception>

template <class Body, class Show> void runGuarded(Body&& body, Show&& show) noexcept
{
    try {
        body();
    } catch (const std::exception& error) {
        show(error);
    }
}
