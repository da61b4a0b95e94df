// The application's error display: every error that ends an event handler is shown here, as a modal
// box with the stop icon, one OK button and the application title, through the current presenter; or,
// during an exit that nothing modal may hold up, as one line on standard error.
#pragma once

#include <QString>

#include <exception>

class TErrorDisplay {
public:
    // The box text: the message with a full stop appended when it is not empty and its last
    // character's code is greater than that of "." (and it is not the ideographic full stop).
    static QString BoxText(const QString& message);

    void Show(const QString& message);
    void Show(const std::exception& error);  // the message of an Exception, what() of anything else

    // From now on, errors go to standard error as one line of the box text each, and no box opens.
    void WriteToStandardError(bool on) { toStandardError_ = on; }
    bool WritesToStandardError() const { return toStandardError_; }

private:
    bool toStandardError_ = false;
};

// The one display of the program.
TErrorDisplay& ErrorDisplay();
