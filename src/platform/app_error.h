#pragma once

#include <QString>

#include <exception>
#include <new>
#include <string>

// An error that ends an operation and is shown to the user with its exact text.
class AppError : public std::exception
{
public:
    explicit AppError(QString message)
        : m_message(std::move(message)), m_utf8(m_message.toStdString()) {}

    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.c_str(); }

private:
    QString m_message;
    std::string m_utf8;
};

// The text of the standard error box: the message with "." appended unless it
// already ends in a character at or below "." in code order.
inline QString ErrorBoxText(const QString &message)
{
    if (!message.isEmpty() && message.back().unicode() <= u'.')
        return message;
    return message + QLatin1Char('.');
}

// The message of any error that ends an operation: an AppError's own text,
// a plain note when memory ran out, else the exception's description.
inline QString ExceptionMessage(const std::exception &error)
{
    if (const auto *appError = dynamic_cast<const AppError *>(&error))
        return appError->message();
    if (dynamic_cast<const std::bad_alloc *>(&error))
        return QStringLiteral("内存不足，操作没有完成");
    return QString::fromLocal8Bit(error.what());
}
