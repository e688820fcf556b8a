#pragma once

#include <QString>
#include <stdexcept>

namespace vlt {

// The one error type raised by the core layer, the model and the generator. Its message is
// German user-facing text, ready for the error message box.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

} // namespace vlt
