#include "amounts/qt_amounttext.h"

namespace amounts {

QString shownAmount(const QString& text) {
    return QString::fromStdString(FormatAmount(ParseAmountStrict(text.toStdString())));
}

Money strictAmount(const QString& text) {
    return ParseAmountStrict(text.toStdString());
}

ShownTotal totalOf(const QStringList& feeTexts) {
    std::vector<std::string> texts;
    texts.reserve(std::size_t(feeTexts.size()));
    for (const QString& text : feeTexts)
        texts.push_back(text.toStdString());
    const TotalTexts total = ComputeTotal(texts);
    return {QString::fromStdString(total.figures), QString::fromStdString(total.capitals)};
}

QString refundOf(const QString& advance, const QString& due) {
    return QString::fromStdString(ComputeRefund(advance.toStdString(), due.toStdString()));
}

} // namespace amounts
