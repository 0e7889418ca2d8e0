#pragma once

#include <QString>
#include <QStringList>

// The quoted form of one field of a comma-separated line.
QString csvQuoted(const QString& field);

// Builds lines of a fixed number of fields and appends them to a file.
class T_objCSV {
public:
    T_objCSV(int columnCount, QString fileName)
        : columnCount_(columnCount), fileName_(std::move(fileName)) {}

    void Clear();
    void AddField(const QString& field);
    // The quoted fields joined by commas, kept for Write; empty when the count is not right.
    QString BuildLine();
    // Appends every kept line with CR LF in one write, so a line reaches the file whole or not
    // at all. False, with the reason, when the file cannot be written.
    bool Write(QString* error = nullptr) const;

    const QString& fileName() const { return fileName_; }
    void setFileName(const QString& fileName) { fileName_ = fileName; }

private:
    int columnCount_;
    QString fileName_;
    QStringList fields_;
    QStringList rows_;
};
