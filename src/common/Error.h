// The program's error type. Operations report failure by throwing; a caller
// that guards a step shows or stores the message, an unguarded error reaches
// the general error report (a message box) and abandons the user action.
#pragma once

#include <QString>
#include <exception>
#include <string>

namespace tessellon {

class Error : public std::exception {
public:
    explicit Error(QString message) : message_(std::move(message)), utf8_(message_.toStdString()) {}

    const QString& message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    QString message_;
    std::string utf8_;
};

// A text that should have been a number (the conversion error of sizes and
// limits); its message is "'<text>' is not a valid integer value".
class ConversionError : public Error {
public:
    using Error::Error;
    static ConversionError notAnInteger(const QString& text) {
        return ConversionError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
};

// A file that cannot be read or written; the message names the path.
class FileError : public Error {
public:
    using Error::Error;
};

// Anything the data-access provider or the administration reports.
class ProviderError : public Error {
public:
    using Error::Error;
};

// Returns the message of any exception: ours, a standard one, or an unknown one.
QString errorMessage(const std::exception& e);

} // namespace tessellon
