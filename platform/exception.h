// The program's error type: every error is an exception that carries the message shown to the user.
#pragma once

#include <exception>
#include <string>
#include <utility>

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const std::string& message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// Raised when arithmetic on the program's own values overflows.
class EIntOverflow : public Exception {
public:
    EIntOverflow() : Exception("Integer overflow") {}
};

// Raised when a value does not fit the type that receives it.
class ERangeError : public Exception {
public:
    ERangeError() : Exception("Range check error") {}
};
