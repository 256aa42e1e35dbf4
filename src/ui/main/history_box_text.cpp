#include "ui/main/history_box_text.h"

namespace toviran {

QString BoxTextFromHistory(std::string_view history) {
    QString text = QString::fromUtf8(history.data(), static_cast<qsizetype>(history.size()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::string HistoryFromBoxText(const QString& boxText) {
    QString text = boxText;
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text.toStdString();
}

}  // namespace toviran
