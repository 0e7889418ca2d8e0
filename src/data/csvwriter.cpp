#include "data/csvwriter.h"

#include <QFile>

QString csvQuoted(const QString& field) {
    if (field.isEmpty())
        return field;
    const QChar quote = u'"';
    QString result = field;
    QString inner = field;
    if (field.size() >= 2 && field.startsWith(quote) && field.endsWith(quote)) {
        inner = field.mid(1, field.size() - 2);
    } else if (field.front() == QChar(0) || field.back() == QChar(0) || field.contains(u' ') ||
               field.contains(u',')) {
        result = quote + field + quote;
    }
    if (!inner.contains(quote))
        return result;
    return quote + QString(inner).replace(quote, QStringLiteral("\"\"")) + quote;
}

void T_objCSV::Clear() {
    rows_.clear();
    fields_.clear();
}

void T_objCSV::AddField(const QString& field) {
    fields_.append(field);
}

QString T_objCSV::BuildLine() {
    if (fields_.size() != columnCount_)
        return {};
    QStringList quoted;
    for (const QString& field : fields_)
        quoted.append(csvQuoted(field));
    const QString line = quoted.join(u',');
    rows_.append(line);
    return line;
}

bool T_objCSV::Write(QString* error) const {
    QFile file(fileName_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        if (error != nullptr)
            *error = file.errorString();
        return false;
    }
    QByteArray bytes;
    for (const QString& row : rows_)
        bytes += row.toUtf8() + "\r\n";
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    if (!written && error != nullptr)
        *error = file.errorString();
    return written;
}
