#include "link/singlereply.h"

#include "link/singlecommandtexts.h"

NumberKind numberKindFromOption(int stored) {
    return stored == 1 ? NumberKind::Hexadecimal : NumberKind::Decimal;
}

QString singleNumberText(int value, NumberKind kind) {
    if (kind == NumberKind::Decimal)
        return QString::number(value);
    return QStringLiteral("%1 (0x%2)")
        .arg(value)
        .arg(QString::number(value, 16).toUpper().rightJustified(2, u'0'));
}

QString SingleReply::text(NumberKind kind, int languageIndex) const {
    switch (shown) {
    case Shown::Value:
        return singleNumberText(value, kind);
    case Shown::SendingSite:
        return ::text(SingleText::SendingSite, languageIndex);
    case Shown::Failed:
        return ::text(SingleText::ErrorCaption, languageIndex);
    case Shown::Nothing:
        break;
    }
    return {};
}

QString SingleReply::captionText(int languageIndex) const {
    switch (caption) {
    case Caption::Site:
        return ::text(SingleText::SiteCaption, languageIndex);
    case Caption::Error:
        return ::text(SingleText::ErrorCaption, languageIndex);
    case Caption::Reply:
        break;
    }
    return ::text(SingleText::ReplyCaption, languageIndex);
}
