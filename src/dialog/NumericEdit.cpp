#include "dialog/NumericEdit.h"

#include <QRegularExpressionValidator>

namespace velmora {

NumericEdit::NumericEdit(const QString& text, QWidget* parent, int digits)
    : QLineEdit(text, parent) {
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setInputMethodHints(Qt::ImhDigitsOnly);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    // Room for the digits and the frame, nothing more: the weekday table
    // holds 21 of these side by side.
    const int textWidth = fontMetrics().horizontalAdvance(QString(digits, QLatin1Char('0')));
    setFixedWidth(textWidth + 14);
}

}  // namespace velmora
