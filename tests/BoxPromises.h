#pragma once

#include <QLineEdit>
#include <QStringList>
#include <QWidget>

// What the operations promise about the result boxes whatever the input, shared by the
// random-use test and the fuzz target.

// The texts of the six boxes, Edit1 first.
inline QStringList boxTexts(const QWidget* window)
{
    QStringList texts;
    for (int i = 1; i <= 6; ++i)
        texts << window->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(i))->text();
    return texts;
}

// Decimal text of a whole number from 0 to below - 1, written without sign or leading zeros.
inline bool isCount(const QString& text, int below)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= 0 && value < below && text == QString::number(value);
}

// The first promise that the six boxes break, or an empty text when they keep them all.
inline QString brokenBoxPromise(const QStringList& boxes)
{
    const QString& result = boxes[1];
    if (!(result.isEmpty() || result == "Godkänd" || result == "Ej godkänd"
          || (result.size() == 1 && result[0] >= '0' && result[0] <= '9')))
        return QStringLiteral("Edit2 holds approval, one check digit or nothing");
    if (!(boxes[2].isEmpty() || boxes[2] == "Man" || boxes[2] == "Kvinna"))
        return QStringLiteral("Edit3 holds the sex or nothing");
    if (boxes[3].isEmpty() != boxes[4].isEmpty() || boxes[4].isEmpty() != boxes[5].isEmpty())
        return QStringLiteral("the age boxes are written together");
    if (!boxes[3].isEmpty()
        && !(isCount(boxes[3], 10000) && isCount(boxes[4], 12) && isCount(boxes[5], 31)))
        return QStringLiteral("the age is years, months below 12 and days below 31");
    return {};
}
