#pragma once

#include "logic/Text.h"

#include <QLineEdit>
#include <QString>

#include <string>

// The one crossing between Qt's UTF-16 strings and the code-point text of the operations.
namespace pnr {

[[nodiscard]] inline QString toQString(TextView text)
{
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

[[nodiscard]] inline QString utf8ToQString(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

[[nodiscard]] inline Text textOf(const QLineEdit* box)
{
    return box->text().toStdU32String();
}

inline void setText(QLineEdit* box, TextView text)
{
    box->setText(toQString(text));
}

} // namespace pnr
