#pragma once
// A failure inside the core with a German text for the user. Procedures trap it at their
// own boundary and show their message; the text says what went wrong underneath.

#include <QString>
#include <exception>
#include <string>

class Fehler : public std::exception {
public:
    explicit Fehler(QString text) : m_text(std::move(text)), m_utf8(m_text.toStdString()) {}
    const QString& text() const noexcept { return m_text; }
    const char* what() const noexcept override { return m_utf8.c_str(); }

private:
    QString m_text;
    std::string m_utf8;
};
