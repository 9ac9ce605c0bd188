#pragma once

#include "store/runsql.h"

#include <QString>

namespace printing {
class ReportComponent;
}

namespace receipts {

// What the receipt pages use of the main window: the statement runner on the scratch query,
// receipt numbering and the report component.
class ReceiptDesk {
public:
    virtual ~ReceiptDesk() = default;
    virtual store::StatementResult RunSql(const QString& statement, bool execute) = 0;
    virtual QString GetNextNumber(int kind) = 0;
    virtual void SaveNumber(const QString& numberText) = 0;
    virtual printing::ReportComponent& frxReport1() = 0;
};

} // namespace receipts
