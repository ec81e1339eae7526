// In-memory stand-ins for the data-access provider: result sets of chosen
// Variant rows, and failures with a chosen message.
#pragma once

#include "common/QueryProvider.h"

#include <QVector>

class FakeRecordSet : public tessellon::RecordSet {
public:
    FakeRecordSet(QStringList names, QVector<QVector<tessellon::Variant>> rows);
    int recordCount() const override { return int(rows_.size()); }
    QStringList fieldNames() const override { return names_; }
    tessellon::Variant field(int record, const QString& name) const override;

private:
    QStringList names_;
    QVector<QVector<tessellon::Variant>> rows_;
};

class FakeQueryProvider : public tessellon::QueryProvider {
public:
    std::shared_ptr<const tessellon::RecordSet>
    execute(const QString& connectionText, const QString& statement, int maxRecords) override;

    // The next executions answer with this result (rows beyond maxRecords
    // are cut), or fail with `failure` when it is set.
    QStringList names;
    QVector<QVector<tessellon::Variant>> rows;
    QString failure;

    struct Execution {
        QString connectionText;
        QString statement;
        int maxRecords;
    };
    QVector<Execution> executions;
};
