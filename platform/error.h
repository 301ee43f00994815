#pragma once

#include <QString>

#include <stdexcept>

namespace platform {

// The platform's error kind: what start-up catches and shows in the error box.
class Error : public std::runtime_error
{
public:
    explicit Error(const QString &message)
        : std::runtime_error(message.toStdString())
        , message_(message)
    { }
    const QString &Message() const { return message_; }

private:
    QString message_;
};

} // namespace platform
