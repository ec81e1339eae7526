// The automation interface other programs drive the search engine through:
// the statement, the result limit, the last record count, the version, and
// Search, which runs the statement and writes every hit to a text file.
#pragma once

#include <QString>

namespace tessellon {

class IAutomation {
public:
    virtual ~IAutomation() = default;

    // The record count written, or -1 when no file with hits was written
    // (an empty statement, a rejected one, an unwritable file).
    virtual int Search(const QString& FileName) = 0;
    virtual QString SQL() const = 0;
    virtual void setSQL(const QString& value) = 0;
    virtual int MaxRecords() const = 0;
    virtual void setMaxRecords(int value) = 0;
    virtual int RecordCount() const = 0;
    virtual QString Version() const = 0;
};

} // namespace tessellon
